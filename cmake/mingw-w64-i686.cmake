# Cross build of the shipped programs for 32-bit Windows (i686) with Debian's mingw-w64. One
# PE32 image runs on Windows 98 SE, ME, NT 4.0, 2000, XP and every later 32- or 64-bit Windows.
# The -win32 thread model keeps winpthreads (and its Vista-only imports) out of the programs;
# its runtime has no std::mutex, so GoogleTest is built without its own locking. Where 32-bit
# Wine runs (OSTREVAN_WINE32=ON, set by `make test` after scripts/runs-32bit.sh), the tests of
# this build run under it; elsewhere they are only compiled.
set(OSTREVAN_MINGW_ARCH i686)
set(OSTREVAN_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
if(OSTREVAN_WINE32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run.sh)
endif()
