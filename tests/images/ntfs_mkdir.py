"""Create folders on an NTFS image file without mounting it, through libntfs-3g (Debian package
libntfs-3g89, pulled in by ntfs-3g) called with ctypes: nothing is compiled.
Usage: python3 ntfs_mkdir.py IMAGE /WINDOWS /WINDOWS/SYSTEM  (parents first; then ntfscp files in).
       python3 ntfs_mkdir.py IMAGE --attributes 0x2 /APPS/HIDDEN.EXE  (sets an entry's attributes:
       2 hidden, 4 system, as Windows keeps them in the entry's standard information)
Tried on Debian 12: mkntfs -F -Q on a 16 MiB file, this script, ntfscp, then fls -r and ntfsfix -n were clean."""
import ctypes, stat, sys
lib = ctypes.CDLL("libntfs-3g.so.89")
lib.ntfs_mount.restype = ctypes.c_void_p
lib.ntfs_mount.argtypes = [ctypes.c_char_p, ctypes.c_ulong]
lib.ntfs_umount.argtypes = [ctypes.c_void_p, ctypes.c_int]
lib.ntfs_pathname_to_inode.restype = ctypes.c_void_p
lib.ntfs_pathname_to_inode.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_char_p]
lib.ntfs_mbstoucs.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_void_p)]
lib.ntfs_create.restype = ctypes.c_void_p
lib.ntfs_create.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_void_p, ctypes.c_uint8, ctypes.c_uint]
lib.ntfs_inode_close.argtypes = [ctypes.c_void_p]
lib.ntfs_set_ntfs_attrib.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_size_t, ctypes.c_int]
img, *dirs = sys.argv[1:]
vol = lib.ntfs_mount(img.encode(), 0)
assert vol, "mount failed"
if dirs[0] == "--attributes":
    for path in dirs[2:]:
        ni = lib.ntfs_pathname_to_inode(vol, None, path.encode())
        assert ni, "no entry " + path
        assert lib.ntfs_set_ntfs_attrib(ni, int(dirs[1], 0).to_bytes(4, "little"), 4, 0) == 0, "attributes of " + path
        lib.ntfs_inode_close(ni)
    dirs = []
for path in dirs:                      # e.g. /WINDOWS then /WINDOWS/SYSTEM
    parent, name = path.rsplit("/", 1)
    pni = lib.ntfs_pathname_to_inode(vol, None, (parent or "/").encode())
    assert pni, "no parent " + parent
    u = ctypes.c_void_p()
    n = lib.ntfs_mbstoucs(name.encode(), ctypes.byref(u))
    ni = lib.ntfs_create(pni, 0, u, n, stat.S_IFDIR)
    assert ni, "create failed " + path
    lib.ntfs_inode_close(ni); lib.ntfs_inode_close(pni)
assert lib.ntfs_umount(vol, 0) == 0
