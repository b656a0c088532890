// Two programs saving into one folder take turns: while another program holds the folder's lock
// (on Windows the open lock file, elsewhere a lock on the folder), a save waits, and it completes
// once the lock is let go.
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>
#endif

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "platform/file_write.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

// The lock as another program would hold it.
class HeldLock {
public:
    explicit HeldLock(const std::filesystem::path& folder) {
#ifdef _WIN32
        h_ = CreateFileA((folder.string() + "\\ostrevan.lck").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
        held_ = h_ != INVALID_HANDLE_VALUE;
#else
        fd_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        held_ = fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) == 0;
#endif
    }
    ~HeldLock() { Release(); }
    bool held() const { return held_; }
    void Release() {
#ifdef _WIN32
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_), h_ = INVALID_HANDLE_VALUE;
#else
        if (fd_ >= 0) close(fd_), fd_ = -1;
#endif
    }

private:
#ifdef _WIN32
    HANDLE h_ = INVALID_HANDLE_VALUE;
#else
    int fd_ = -1;
#endif
    bool held_ = false;
};

// Runs f on a thread of its own until Join (the 32-bit Windows runtime has no std::thread).
class Worker {
public:
    explicit Worker(std::function<void()> f) : f_(std::move(f)) {
#ifdef _WIN32
        h_ = CreateThread(nullptr, 0, &Worker::Run, this, 0, nullptr);
#else
        t_ = std::thread(f_);
#endif
    }
    void Join() {
#ifdef _WIN32
        WaitForSingleObject(h_, INFINITE);
        CloseHandle(h_);
#else
        t_.join();
#endif
    }

private:
#ifdef _WIN32
    static DWORD WINAPI Run(void* self) {
        static_cast<Worker*>(self)->f_();
        return 0;
    }
    HANDLE h_;
#else
    std::thread t_;
#endif
    std::function<void()> f_;
};

void Pause(int ms) {
#ifdef _WIN32
    Sleep(static_cast<DWORD>(ms));
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
#endif
}

TEST(FolderLock, ASaveWaitsWhileAnotherProgramHoldsTheFolder) {
    TempDir dir;
    HeldLock other(dir.path());
    ASSERT_TRUE(other.held());
    std::atomic<bool> done{false};
    std::string result = "not run";
    Worker save([&] {
        result = platform::WriteWholeFile(dir / "Files.y2k", "new");
        done = true;
    });
    Pause(400);
    EXPECT_FALSE(done) << "the save went ahead while the folder was held";
    EXPECT_FALSE(std::filesystem::exists(dir / "Files.y2k"));
    other.Release();
    save.Join();
    EXPECT_EQ(result, "");
    EXPECT_EQ(ReadFileBytes(dir / "Files.y2k"), "new");
}

}  // namespace
}  // namespace ostrevan::testing
