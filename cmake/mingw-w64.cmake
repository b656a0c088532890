# Cross build for Windows (x86_64) with Debian's mingw-w64; use the -posix thread model
# (GoogleTest needs std::mutex).
set(OSTREVAN_MINGW_ARCH x86_64)
set(OSTREVAN_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# Tests run under Wine through our wrapper (own prefix, no display needed).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run.sh)
