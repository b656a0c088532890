// Disk images through The Sleuth Kit. Everything the library hands back is untrusted: names are
// checked before use, sizes never size a buffer, and every read goes through FileBytes, which
// bounds each piece by the size claimed and by kMaxRead.
#include "platform/image/disk_image.h"

#include <fcntl.h>
#include <tsk/libtsk.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/codepage.h"
#include "platform/text.h"

namespace ostrevan::platform {

struct DiskImage::Image {
    explicit Image(TSK_IMG_INFO* i) : img(i) {}
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    ~Image() {
        tsk_img_close(img);
        if (raw >= 0) close(raw);
    }
    TSK_IMG_INFO* img;
    // A raw image of one file, opened again for reading program files straight from their
    // clusters: the library reads 64 KiB for every piece, where a program's headers take a few.
    int raw = -1;
};

namespace {

constexpr uint32_t kHidden = 0x02, kSystem = 0x04, kVolumeLabel = 0x08, kReparsePoint = 0x400;
// The first records of an NTFS volume's table hold its own files ($MFT, $Bitmap, ...).
constexpr TSK_INUM_T kNtfsReservedRecords = 16;

std::string LibraryError(const std::string& what) {
    const char* why = tsk_error_get();
    std::string text = what;
    if (why && *why) {
        std::string reason = why;
        while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
        text += " (" + reason + ")";
    }
    tsk_error_reset();
    return text;
}

bool IsFat(TSK_FS_TYPE_ENUM t) {
    return t == TSK_FS_TYPE_FAT12 || t == TSK_FS_TYPE_FAT16 || t == TSK_FS_TYPE_FAT32;
}

// A handle of the library, closed with its owner.
template <typename T, void (*Close)(T*)>
struct Held {
    explicit Held(T* p) : get(p) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() { Close(get); }
    T* get;
};
using FileHandle = Held<TSK_FS_FILE, tsk_fs_file_close>;
using DirHandle = Held<TSK_FS_DIR, tsk_fs_dir_close>;

struct OpenVolumeHandle {
    OpenVolumeHandle(std::shared_ptr<DiskImage::Image> i, TSK_FS_INFO* f) : image(std::move(i)), held(f), fs(f) {}
    std::shared_ptr<DiskImage::Image> image;  // the image outlives its volume
    Held<TSK_FS_INFO, tsk_fs_close> held;
    TSK_FS_INFO* fs;
};

// One program file of the volume, read piece by piece: through the library, or where the image
// is one raw file, straight from the clusters the library found for it.
class ImageFile final : public ByteSource {
public:
    ImageFile(std::shared_ptr<const OpenVolumeHandle> volume, TSK_FS_FILE* file)
        : volume_(std::move(volume)), file_(file) {
        if (volume_->image->raw >= 0) FindRuns();
    }

    bool ReadAt(uint64_t offset, uint8_t* out, size_t length) const override {
        if (length <= direct_ && offset <= direct_ - length && ReadDirect(offset, out, length)) return true;
        for (size_t done = 0; done < length;) {
            const ssize_t n = tsk_fs_file_read(file_.get, static_cast<TSK_OFF_T>(offset + done),
                                               reinterpret_cast<char*>(out + done), length - done,
                                               TSK_FS_FILE_READ_FLAG_NONE);
            if (n <= 0) {
                tsk_error_reset();
                return false;
            }
            done += static_cast<size_t>(n);
        }
        return true;
    }

private:
    struct Run {
        uint64_t first, count, at;  // blocks of the file, and the byte where they lie in the image
    };
    // Bytes of a file in plain runs only (no sparse, filled or encrypted ones) are read directly,
    // up to its initialised size.
    void FindRuns() {
        const TSK_FS_ATTR* a = tsk_fs_file_attr_get(file_.get);
        const TSK_FS_INFO* fs = volume_->fs;
        if (!a || !(a->flags & TSK_FS_ATTR_NONRES) || a->nrd.skiplen != 0 || a->nrd.initsize <= 0 ||
            fs->block_size == 0 || fs->offset < 0) {
            tsk_error_reset();
            return;
        }
        constexpr size_t kMaxRuns = 4096;
        uint64_t next = 0;
        for (const TSK_FS_ATTR_RUN* r = a->nrd.run; r; r = r->next) {
            if (r->len == 0) continue;
            if (r->flags != TSK_FS_ATTR_RUN_FLAG_NONE || r->offset != next || runs_.size() == kMaxRuns ||
                r->addr > (UINT64_MAX - static_cast<uint64_t>(fs->offset)) / fs->block_size - r->len)
                break;
            runs_.push_back({r->offset, r->len, static_cast<uint64_t>(fs->offset) + r->addr * fs->block_size});
            next = r->offset + r->len;
        }
        const uint64_t covered = next > UINT64_MAX / fs->block_size ? UINT64_MAX : next * fs->block_size;
        direct_ = std::min(covered, static_cast<uint64_t>(a->nrd.initsize));
    }

    bool ReadDirect(uint64_t offset, uint8_t* out, size_t length) const {
        const uint64_t bs = volume_->fs->block_size;
        size_t done = 0;
        for (const Run& r : runs_) {
            if (done == length) break;
            const uint64_t start = r.first * bs, end = start + r.count * bs, at = offset + done;
            if (at >= end || at < start) continue;
            const size_t piece = static_cast<size_t>(std::min<uint64_t>(length - done, end - at));
            for (size_t got = 0; got < piece;) {
                const ssize_t n = pread(volume_->image->raw, out + done + got, piece - got,
                                        static_cast<off_t>(r.at + (at - start) + got));
                if (n <= 0) return false;
                got += static_cast<size_t>(n);
            }
            done += piece;
        }
        return done == length;
    }

    std::shared_ptr<const OpenVolumeHandle> volume_;
    FileHandle file_;
    std::vector<Run> runs_;
    uint64_t direct_ = 0;  // the bytes from the start that can be read directly
};

// The 8.3 name of a FAT directory entry as Windows shows it: name and extension without their
// padding blanks, in small letters where the entry says so (bits 3 and 4 of byte 12), its bytes
// read in code page 437.
std::string ShortName(const std::array<uint8_t, 32>& e) {
    auto part = [&](size_t from, size_t length, bool lower) {
        std::string s(reinterpret_cast<const char*>(e.data()) + from, length);
        while (!s.empty() && s.back() == ' ') s.pop_back();
        if (lower)
            for (char& c : s)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
        return s;
    };
    std::string name = part(0, 8, e[12] & 0x08);
    if (!name.empty() && name[0] == '\x05') name[0] = '\xE5';  // a first byte 0xE5 is kept as 0x05
    const std::string ext = part(8, 3, e[12] & 0x10);
    return codepage::Oem437ToUtf8(ext.empty() ? name : name + "." + ext);
}

class ImageVolume final : public FileSystem {
public:
    ImageVolume(std::shared_ptr<const OpenVolumeHandle> volume, HostPath root, uint64_t device)
        : volume_(std::move(volume)), root_(std::move(root)), device_(device) {
        nodes_[root_.native()] = {volume_->fs->root_inum, EntryKind::kDirectory};
        if (IsFat(volume_->fs->ftype)) ReadFatLayout();
    }

    ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey&) const override {
        ProgramsAndAll out;
        out.listed = false;
        const auto node = Resolve(dir);
        if (!node || node->kind != EntryKind::kDirectory) return out;
        // A folder is listed under one path only: a folder reached again by another (a loop
        // of a damaged volume, or clusters shared by two folders) is not listed a second time,
        // so a walk of a damaged volume still ends.
        const auto [at, first] = listed_at_.try_emplace(node->addr, dir.native());
        if (!first && at->second != dir.native()) return out;
        const std::vector<Item>* items = Items(dir, node->addr);
        if (!items) return out;
        for (const Item& i : *items) {
            if (i.hidden) continue;
            out.all.push_back(DirEntry{StoredName(i.name), dir / i.name, i.kind});
            if (i.kind == EntryKind::kFile && HasProgramExtension(i.name)) out.programs.push_back(out.all.back());
        }
        out.listed = true;
        out.key = {device_, node->addr};
        return out;
    }

    std::vector<HostPath> DirectoryEntries(const HostPath& dir) const override {
        std::vector<HostPath> out;
        const auto node = Resolve(dir);
        if (!node || node->kind != EntryKind::kDirectory) return out;
        if (const std::vector<Item>* items = Items(dir, node->addr))
            for (const Item& i : *items) out.push_back(dir / i.name);
        return out;
    }

    PathKind KindOf(const HostPath& path) const override {
        const auto node = Resolve(path);
        if (!node) return PathKind::kMissing;
        if (node->kind == EntryKind::kDirectory) return PathKind::kDirectory;
        return node->kind == EntryKind::kFile ? PathKind::kFile : PathKind::kOther;
    }

    std::optional<FileBytes> OpenBytes(const HostPath& path) const override {
        const auto node = Resolve(path);
        if (!node || node->kind != EntryKind::kFile) return std::nullopt;
        TSK_FS_FILE* file = tsk_fs_file_open_meta(volume_->fs, nullptr, node->addr);
        if (!file) {
            tsk_error_reset();
            return std::nullopt;
        }
        auto source = std::make_shared<const ImageFile>(volume_, file);
        if (!file->meta || file->meta->type != TSK_FS_META_TYPE_REG || file->meta->size < 0) return std::nullopt;
        return FileBytes::FromSource(std::move(source), static_cast<uint64_t>(file->meta->size));
    }

private:
    struct Node {
        TSK_INUM_T addr;
        EntryKind kind;
    };
    struct Item {
        std::string name;  // UTF-8, as the host names files
        TSK_INUM_T addr;
        EntryKind kind;
        bool hidden;  // hidden or system
    };

    // The 32 bytes of the FAT directory entry at `addr`. The library numbers a FAT volume's
    // entries by their 32-byte slots, counted from the first sector after the tables (3 is the
    // first slot; 2 is the root).
    std::optional<std::array<uint8_t, 32>> FatEntry(TSK_INUM_T addr) const {
        TSK_FS_INFO* fs = volume_->fs;
        if (!IsFat(fs->ftype) || addr < 3 || addr > fs->last_inum || fat_.slots_per_sector == 0) return std::nullopt;
        const uint64_t slot = addr - 3;
        const uint64_t at = (slot / fat_.slots_per_sector + fat_.first_data_sector) * fat_.sector_size +
                            slot % fat_.slots_per_sector * 32;
        std::array<uint8_t, 32> entry;
        if (tsk_fs_read(fs, static_cast<TSK_OFF_T>(at), reinterpret_cast<char*>(entry.data()), entry.size()) !=
            static_cast<ssize_t>(entry.size())) {
            tsk_error_reset();
            return std::nullopt;
        }
        return entry;
    }

    // The DOS attributes of the entry at `addr`: on FAT from its directory entry, on NTFS from
    // its standard information; 0 when they cannot be read.
    uint32_t Attributes(TSK_INUM_T addr) const {
        TSK_FS_INFO* fs = volume_->fs;
        if (IsFat(fs->ftype)) {
            const auto entry = FatEntry(addr);
            return entry ? (*entry)[11] : 0;
        }
        if (TSK_FS_TYPE_ISNTFS(fs->ftype)) {
            TSK_FS_FILE* file = tsk_fs_file_open_meta(fs, nullptr, addr);
            if (!file) {
                tsk_error_reset();
                return 0;
            }
            const FileHandle held(file);
            const TSK_FS_ATTR* si = tsk_fs_file_attr_get_type(file, TSK_FS_ATTR_TYPE_NTFS_SI, 0, 0);
            uint8_t flags[4];
            if (!si || tsk_fs_attr_read(si, 32, reinterpret_cast<char*>(flags), sizeof flags,
                                        TSK_FS_FILE_READ_FLAG_NONE) != static_cast<ssize_t>(sizeof flags)) {
                tsk_error_reset();
                return 0;
            }
            return flags[0] | (flags[1] << 8) | (flags[2] << 16) | (static_cast<uint32_t>(flags[3]) << 24);
        }
        return 0;
    }

    // The entries of the folder `dir` at `addr`, without "." and "..", deleted entries, the
    // library's own (virtual) files, a FAT volume's label and an NTFS volume's own files. Each
    // is remembered, so that its path leads back to it.
    const std::vector<Item>* Items(const HostPath& dir, TSK_INUM_T addr) const {
        // A scan walks the tree twice (to count, then to check): the second walk lists from here.
        if (const auto it = items_.find(addr); it != items_.end()) return &it->second;
        TSK_FS_INFO* fs = volume_->fs;
        TSK_FS_DIR* opened = tsk_fs_dir_open_meta(fs, addr);
        if (!opened) {
            tsk_error_reset();
            return nullptr;
        }
        const DirHandle held(opened);
        std::vector<Item> out;
        const size_t count = tsk_fs_dir_getsize(opened);
        for (size_t i = 0; i < count; ++i) {
            const TSK_FS_NAME* n = tsk_fs_dir_get_name(opened, i);
            if (!n || !n->name || !(n->flags & TSK_FS_NAME_FLAG_ALLOC)) continue;
            const std::string_view name = n->name;
            if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) continue;
            if (n->type == TSK_FS_NAME_TYPE_VIRT || n->type == TSK_FS_NAME_TYPE_VIRT_DIR) continue;
            if (TSK_FS_TYPE_ISNTFS(fs->ftype) && addr == fs->root_inum && name[0] == '$' &&
                n->meta_addr < kNtfsReservedRecords)
                continue;
            const uint32_t attrs = Attributes(n->meta_addr);
            if (IsFat(fs->ftype) && (attrs & kVolumeLabel)) continue;
            std::string shown(name);
            // A FAT entry without a long name shows its 8.3 name, whose bytes beyond ASCII are
            // letters of the OEM code page (the library puts "^" in their place).
            if (!(n->shrt_name && *n->shrt_name))
                if (const auto entry = FatEntry(n->meta_addr);
                    entry && std::any_of(entry->begin(), entry->begin() + 11, [](uint8_t b) { return b >= 0x80; }))
                    shown = ShortName(*entry);
            EntryKind kind = EntryKind::kOther;
            if (attrs & kReparsePoint) kind = EntryKind::kLink;
            else if (n->type == TSK_FS_NAME_TYPE_DIR) kind = EntryKind::kDirectory;
            else if (n->type == TSK_FS_NAME_TYPE_REG) kind = EntryKind::kFile;
            else if (n->type == TSK_FS_NAME_TYPE_LNK) kind = EntryKind::kLink;
            out.push_back({std::move(shown), n->meta_addr, kind, (attrs & (kHidden | kSystem)) != 0});
            nodes_[(dir / out.back().name).native()] = {n->meta_addr, kind};
        }
        return &(items_[addr] = std::move(out));
    }

    // The entry a path of this volume names: remembered from a listing, or found by listing
    // the folders on its way from the root (names compared as they are written).
    std::optional<Node> Resolve(const HostPath& path) const {
        if (const auto it = nodes_.find(path.native()); it != nodes_.end()) return it->second;
        const std::string& whole = path.native();
        const std::string& top = root_.native();
        if (whole.size() <= top.size() || whole.compare(0, top.size(), top) != 0) return std::nullopt;
        HostPath at = root_;
        Node node = nodes_.at(top);
        for (const HostPath& part : HostPath(whole.substr(top.size())).relative_path()) {
            if (part.empty() || part == ".") continue;
            if (node.kind != EntryKind::kDirectory || part == "..") return std::nullopt;
            const HostPath next = at / part;
            if (!nodes_.contains(next.native()) && !Items(at, node.addr)) return std::nullopt;
            const auto it = nodes_.find(next.native());
            if (it == nodes_.end()) return std::nullopt;
            node = it->second;
            at = next;
        }
        return node;
    }

    // Where a FAT volume's directory slots lie, from its boot sector.
    struct FatLayout {
        uint64_t sector_size = 0, slots_per_sector = 0, first_data_sector = 0;
    };
    void ReadFatLayout() {
        uint8_t boot[64];
        if (tsk_fs_read(volume_->fs, 0, reinterpret_cast<char*>(boot), sizeof boot) != static_cast<ssize_t>(sizeof boot)) {
            tsk_error_reset();
            return;
        }
        auto u16 = [&](size_t at) { return uint64_t{boot[at]} | uint64_t{boot[at + 1]} << 8; };
        const uint64_t sectorSize = u16(11), reserved = u16(14), fats = boot[16];
        uint64_t perFat = u16(22);
        if (perFat == 0) perFat = u16(36) | u16(38) << 16;  // FAT32 keeps it in 32 bits
        if (sectorSize < 32) return;
        fat_ = {sectorSize, sectorSize / 32, reserved + fats * perFat};
    }

    std::shared_ptr<const OpenVolumeHandle> volume_;
    HostPath root_;
    uint64_t device_;
    FatLayout fat_;
    mutable std::unordered_map<std::string, Node> nodes_;
    mutable std::unordered_map<TSK_INUM_T, std::string> listed_at_;
    mutable std::unordered_map<TSK_INUM_T, std::vector<Item>> items_;
};

}  // namespace

std::unique_ptr<DiskImage> DiskImage::Open(const std::string& path, std::string& error) {
    // The library converts the times of every entry it reads to local time; without TZ the C
    // library looks at /etc/localtime again each time. This names the zone it would use anyway.
    setenv("TZ", ":/etc/localtime", 0);
    tsk_error_reset();
    TSK_IMG_INFO* img = tsk_img_open_utf8_sing(path.c_str(), TSK_IMG_TYPE_DETECT, 0);
    if (!img) {
        error = LibraryError("it cannot be read as a disk image");
        return nullptr;
    }
    std::unique_ptr<DiskImage> out(new DiskImage);
    out->image_ = std::make_shared<Image>(img);
    if ((img->itype & TSK_IMG_TYPE_RAW) && img->num_img == 1)
        out->image_->raw = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const char* format = tsk_img_type_toname(img->itype);
    out->format_ = format ? format : "";
    out->size_ = img->size > 0 ? static_cast<uint64_t>(img->size) : 0;
    if (TSK_VS_INFO* vs = tsk_vs_open(img, 0, TSK_VS_TYPE_DETECT)) {
        for (TSK_PNUM_T i = 0; i < vs->part_count; ++i) {
            const TSK_VS_PART_INFO* part = tsk_vs_part_get(vs, i);
            if (!part || !(part->flags & TSK_VS_PART_FLAG_ALLOC)) continue;
            ImagePartition p;
            p.number = static_cast<int>(out->partitions_.size()) + 1;
            p.offset = static_cast<uint64_t>(part->start) * vs->block_size;
            p.size = static_cast<uint64_t>(part->len) * vs->block_size;
            p.description = part->desc ? part->desc : "";
            out->partitions_.push_back(std::move(p));
        }
        tsk_vs_close(vs);
    } else {
        out->partitions_.push_back({1, 0, out->size_, "", ""});
    }
    tsk_error_reset();
    for (ImagePartition& p : out->partitions_) {
        if (TSK_FS_INFO* fs = tsk_fs_open_img(img, static_cast<TSK_OFF_T>(p.offset), TSK_FS_TYPE_DETECT)) {
            const char* name = tsk_fs_type_toname(fs->ftype);
            p.file_system = text::Upper(name ? name : "");
            tsk_fs_close(fs);
        }
        tsk_error_reset();
    }
    return out;
}

DiskImage::~DiskImage() = default;

std::shared_ptr<const FileSystem> DiskImage::OpenVolume(int number, const HostPath& root, std::string& error) const {
    if (number < 1 || static_cast<size_t>(number) > partitions_.size()) {
        error = "the image has no partition " + std::to_string(number) + " (it has " +
                std::to_string(partitions_.size()) + ")";
        return nullptr;
    }
    const ImagePartition& p = partitions_[static_cast<size_t>(number) - 1];
    tsk_error_reset();
    TSK_FS_INFO* fs = tsk_fs_open_img(image_->img, static_cast<TSK_OFF_T>(p.offset), TSK_FS_TYPE_DETECT);
    if (!fs) {
        error = LibraryError("partition " + std::to_string(number) + " holds no file system that can be read");
        return nullptr;
    }
    auto volume = std::make_shared<const OpenVolumeHandle>(image_, fs);
    // Folder keys of image volumes carry the top bit, apart from any device number of the host.
    const uint64_t device = (uint64_t{1} << 63) | static_cast<uint64_t>(number);
    return std::make_shared<const ImageVolume>(std::move(volume), root, device);
}

}  // namespace ostrevan::platform
