"""Corrupt a FAT16 test image made by mkfs.fat + mcopy (fixture with WINDOWS/SYSTEM/KERNEL32.DLL).
Modes: dirloop (SYSTEM starts at the cluster of WINDOWS), crosslink (APPS starts there too), bigfile (KERNEL32.DLL claims 0xFFFFFFFF bytes),
chainloop (its first cluster points to itself in every FAT, size 1 MiB). Directory entry offsets follow
FATXXFS_DENTRY in /usr/include/tsk/fs/tsk_fatxxfs.h (startclust at 26, size at 28). FAT16 only.
fsck.fat -n confirms each corruption ("Start does point to containing directory", "Circular cluster chain")."""
import struct, sys
img = sys.argv[1]; mode = sys.argv[2]
b = bytearray(open(img, 'rb').read())
bps, spc, rsv, nfat, nroot = struct.unpack_from('<HBHBH', b, 11)
fatsz = struct.unpack_from('<H', b, 22)[0]
def entries(name11):
    out = []; i = 0
    while True:
        i = b.find(name11, i)
        if i < 0: return out
        if i % 32 == 0: out.append(i)
        i += 1
def clus(off): return struct.unpack_from('<H', b, off + 26)[0]
win = entries(b'WINDOWS    ')[0]; sysd = entries(b'SYSTEM     ')[0]; k32 = entries(b'KERNEL32DLL')[0]
apps = entries(b'APPS       ')[0]
if mode == 'dirloop':     # SYSTEM now points at WINDOWS' cluster
    struct.pack_into('<H', b, sysd + 26, clus(win))
elif mode == 'crosslink': # APPS and WINDOWS share their clusters
    struct.pack_into('<H', b, apps + 26, clus(win))
elif mode == 'bigfile':   # KERNEL32.DLL claims 4 GiB - 1
    struct.pack_into('<I', b, k32 + 28, 0xFFFFFFFF)
elif mode == 'chainloop': # file's first cluster points to itself in every FAT, size 1 MiB
    c = clus(k32)
    for f in range(nfat):
        struct.pack_into('<H', b, rsv * bps + f * fatsz * bps + 2 * c, c)
    struct.pack_into('<I', b, k32 + 28, 1 << 20)
open(img, 'wb').write(b)
