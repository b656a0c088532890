# Cross build of the shipped programs for 32-bit Windows (i686) with Debian's mingw-w64. One
# PE32 image runs on Windows 98 SE, ME, NT 4.0, 2000, XP and every later 32- or 64-bit Windows.
# The -win32 thread model keeps winpthreads (and its Vista-only imports) out of the programs;
# its runtime has no std::mutex, so GoogleTest is built without its own locking. The programs
# and tests of this build are not run here: 32-bit Wine cannot run on these machines.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Read by tests/CMakeLists.txt: GoogleTest is built for a runtime without std::mutex.
set(OSTREVAN_THREAD_MODEL win32)
