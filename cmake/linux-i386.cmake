# The native build as 32-bit code (4-byte sizes and pointers, as in the shipped Windows program),
# statically linked with Debian's g++-multilib and run through qemu-user-static, since these
# machines' kernels run no 32-bit program. GoogleTest is built from Debian's sources.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32 -static")
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static)
