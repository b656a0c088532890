#!/usr/bin/env bash
# Disk images read without mounting them. Every scan of an image must equal the scan of the same
# files from a folder: the same counts, the same records (compared without their order, which is
# each file system's own) and the same Windows judged. Hidden and deleted entries are no
# programs; damaged volumes end in bounded time with a word on what was left out.
#   disk_images.sh SCANNER DATA_DIR FIXTURES_DIR
set -u
scan=$1 data=$2 fx=$3
here=$(cd "$(dirname "$0")" && pwd)
export PATH="$PATH:/usr/sbin:/sbin"  # mkfs.fat, sfdisk and the NTFS tools, for users too
for tool in mkfs.fat mcopy mattrib mdel sfdisk mkntfs ntfscp ntfsinfo ntfstruncate qemu-img ewfacquire python3 split; do
  command -v $tool >/dev/null || { echo "disk_images: $tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The file-system tools read and write names in the locale's character set.
export LC_ALL=C.UTF-8 MTOOLS_SKIP_CHECK=1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The files of a small Windows 98 PC, with long names, names outside ASCII and 8.3 names.
tree=$work/tree
mkdir -p "$tree/WINDOWS/SYSTEM" "$tree/Program Files/Long Named App" "$tree/Program Files/Prögrämme für Büro" "$tree/APPS"
cp "$fx/kernel_98se.exe" "$tree/WINDOWS/SYSTEM/KERNEL32.DLL"
printf 'stub' >"$tree/WINDOWS/WIN.COM"
cp "$fx/languages.exe" "$tree/WINDOWS/NOTEPAD.EXE"
cp "$fx/basic.exe" "$tree/Program Files/Long Named App/Basic Program.exe"
cp "$fx/neutral_1252.exe" "$tree/Program Files/Prögrämme für Büro/Schreibmaschine.exe"
cp "$fx/choice.exe" "$tree/APPS/CHOICE.EXE"
cp "$fx/signs.exe" "$tree/APPS/signs.exe"
cp "$fx/neutral_0.exe" "$tree/APPS/README.TXT"
cp "$fx/neutral_0.exe" "$tree/APPS/CAFÉ.EXE"  # on FAT an 8.3 name alone, its É in code page 437

# run NAME ARGS...: one scan into $work/out/NAME: its counts, messages, status and result files.
run() {
  local name=$1
  shift
  local dir=$work/out/$name
  mkdir -p "$dir"
  timeout 300 "$scan" --data "$data" --results "$dir" --quiet "$@" >"$dir/counts" 2>"$dir/messages"
  echo $? >"$dir/status"
  for f in Files.y2k JFiles.y2k; do
    if [ -f "$dir/$f" ]; then LC_ALL=C sort "$dir/$f" >"$dir/$f.sorted"; else : >"$dir/$f.sorted"; fi
  done
}
# same A B: the scans A and B found the same.
same() {
  for f in status counts Files.y2k.sorted JFiles.y2k.sorted; do
    if ! cmp -s "$work/out/$1/$f" "$work/out/$2/$f"; then
      fail "the scan of $2 differs from that of $1 in $f"
      diff "$work/out/$1/$f" "$work/out/$2/$f" | head -20
      cat "$work/out/$2/messages"
    fi
  done
}
says() {  # says NAME TEXT: the messages of scan NAME hold TEXT
  grep -qF -- "$2" "$work/out/$1/messages" || { fail "$1 does not say \"$2\":"; cat "$work/out/$1/messages"; }
}
status_is() {
  [ "$(cat "$work/out/$1/status")" = "$2" ] || { fail "$1 ended with status $(cat "$work/out/$1/status"), not $2"; cat "$work/out/$1/messages"; }
}

run folder --os drive "$tree"
status_is folder 0
says folder "judging Windows 98 Second Edition 4.10.2222 in C:\\WINDOWS"
grep -q '^Year 2000 Ready: [1-9]' "$work/out/folder/counts" || fail "the folder's scan found no ready program"

# FAT16 and FAT32 volumes without a partition table, each with a hidden program and a deleted
# one besides the tree: neither is listed.
mkfs.fat -C -F 16 -n FAT16VOL "$work/fat16.img" 32768 >/dev/null
mkfs.fat -C -F 32 -n FAT32VOL "$work/fat32.img" 65536 >/dev/null
for fs in fat16 fat32; do
  img=$work/$fs.img
  mcopy -s -i "$img" "$tree"/* ::/ || fail "mcopy into $fs"
  mcopy -i "$img" "$fx/png.exe" ::/APPS/HIDDEN.EXE && mattrib -i "$img" +h ::/APPS/HIDDEN.EXE
  mcopy -i "$img" "$fx/png.exe" ::/APPS/SYSFILE.EXE && mattrib -i "$img" +s ::/APPS/SYSFILE.EXE
  mcopy -i "$img" "$fx/png.exe" "::/APPS/Gone For Good.exe" && mdel -i "$img" "::/APPS/Gone For Good.exe"
  run "$fs" --image "C:=$img" --os drive C:
  same folder "$fs"
  says "$fs" "drive C: is partition 1 of $img (${fs^^}, Windows 98 Second Edition 4.10.2222 in C:\\WINDOWS)"
done

# The same volume split in segments, found from the first.
split -b 10M -a 3 --numeric-suffixes=1 "$work/fat16.img" "$work/fat16.raw."
run split --image "C:=$work/fat16.raw.001" --os drive C:
same folder split

# A disk with an MBR and two partitions: the first holds programs only, the second the PC.
disk=$work/disk.img
truncate -s 100M "$disk"
printf 'label: dos\nstart=2048, size=65536, type=6\nstart=67584, size=131072, type=c\n' | sfdisk -q "$disk"
mkfs.fat -F 16 -n DATA --offset 2048 -h 2048 "$disk" 32768 >/dev/null 2>&1
mkfs.fat -F 32 -n SYSTEM --offset 67584 -h 67584 "$disk" 65536 >/dev/null 2>&1
mcopy -s -i "$disk@@$((2048 * 512))" "$tree/APPS"/* ::/ || fail "mcopy into partition 1"
mcopy -s -i "$disk@@$((67584 * 512))" "$tree"/* ::/ || fail "mcopy into partition 2"
run disk --image "C:=$disk" --os drive C:
same folder disk
says disk "drive C: is partition 2 of $disk (FAT32, Windows 98 Second Edition 4.10.2222 in C:\\WINDOWS)"
run apps --os none "$tree/APPS"
run disk1 --image "C:=$disk,1" --os none C:
same apps disk1
"$scan" --list-image "$disk" >"$work/list.txt" 2>&1 || fail "--list-image failed"
grep -qE '^  1  at 1048576, 32 MiB, FAT16 .*: no Windows folder$' "$work/list.txt" || { fail "partition 1 not listed as expected:"; cat "$work/list.txt"; }
grep -qE '^  2  at 34603008, 64 MiB, FAT32 .*: Windows 98 Second Edition 4.10.2222 in C:\\WINDOWS$' "$work/list.txt" ||
  { fail "partition 2 not listed as expected:"; cat "$work/list.txt"; }
[ "$(grep -c '^  [0-9]' "$work/list.txt")" = 2 ] || { fail "gaps or tables listed as partitions:"; cat "$work/list.txt"; }

# The same disk as the virtual disks of VMDK and VHD (dynamic and fixed).
qemu-img convert -f raw -O vmdk "$disk" "$work/disk.vmdk"
qemu-img convert -f raw -O vpc -o force_size=on "$disk" "$work/disk.vhd"
qemu-img convert -f raw -O vpc -o subformat=fixed,force_size=on "$disk" "$work/fixed.vhd"
for v in disk.vmdk disk.vhd fixed.vhd; do
  run "$v" --image "C:=$work/$v" --os drive C:
  same folder "$v"
done

# The same disk as an E01 evidence file in segments, found from the first.
ewfacquire -u -q -t "$work/evidence" -c none -S 64MiB "$disk" </dev/null >/dev/null 2>&1 || fail "ewfacquire"
run e01 --image "C:=$work/evidence.E01" --os drive C:
same folder e01
[ -f "$work/evidence.E02" ] || fail "the evidence file was not split"

# A FAT12 floppy of programs.
mkfs.fat -C -F 12 "$work/floppy.img" 1440 >/dev/null
mcopy -s -i "$work/floppy.img" "$tree/APPS"/* ::/
run floppy --image "C:=$work/floppy.img" --os none C:
same apps floppy

# NTFS, filled without mounting it: folders through libntfs-3g, files with ntfscp.
ntfs=$work/ntfs.img
truncate -s 16M "$ntfs"
mkntfs -F -Q -q -L NTFSVOL "$ntfs" >/dev/null 2>&1
(cd "$tree" && find . -mindepth 1 -type d | sort | sed 's/^\.//') | tr '\n' '\0' | xargs -0 python3 "$here/ntfs_mkdir.py" "$ntfs" ||
  fail "folders on NTFS"
(cd "$tree" && find . -type f | sed 's/^\.//') | while IFS= read -r f; do
  ntfscp -q "$ntfs" "$tree$f" "$f" || fail "ntfscp $f"
done
# Hidden and system entries are left out, as on a disk.
ntfscp -q "$ntfs" "$fx/png.exe" /APPS/HIDDEN.EXE && ntfscp -q "$ntfs" "$fx/png.exe" /APPS/SYSFILE.EXE &&
  python3 "$here/ntfs_mkdir.py" "$ntfs" --attributes 0x2 /APPS/HIDDEN.EXE &&
  python3 "$here/ntfs_mkdir.py" "$ntfs" --attributes 0x4 /APPS/SYSFILE.EXE || fail "hidden entries on NTFS"
run ntfs --image "C:=$ntfs" --os drive C:
same folder ntfs
# A file that claims 4 GiB on a 16 MiB volume is no program that can be read: an undocumented one.
inode=$(ntfsinfo -F /APPS/CHOICE.EXE "$ntfs" 2>/dev/null | sed -n 's/^Dumping Inode \([0-9]*\).*/\1/p')
ntfstruncate "$ntfs" "$inode" 4294967296 >/dev/null 2>&1 || fail "ntfstruncate"
run ntfs4g --image "C:=$ntfs" --os drive C:
status_is ntfs4g 0
grep -q '"CHOICE.EXE	None	None' "$work/out/ntfs4g/JFiles.y2k" || { fail "the 4 GiB file is not an undocumented program"; cat "$work/out/ntfs4g/JFiles.y2k"; }

# Damaged FAT volumes: a folder that contains itself, two folders that share their clusters, a
# file that claims 4 GiB, a cluster chain that leads back to itself. Each scan ends, and says what it left out.
for damage in dirloop crosslink bigfile chainloop; do
  img=$work/$damage.img
  mkfs.fat -C -F 16 "$img" 32768 >/dev/null
  mcopy -s -i "$img" "$tree"/* ::/
  python3 "$here/fat_damage.py" "$img" "$damage"
  run "$damage" --image "C:=$img" --os drive C:
  grep -q '^Undocumented programs: ' "$work/out/$damage/counts" || { fail "the scan of $damage did not finish"; cat "$work/out/$damage/messages"; }
done
status_is dirloop 3
says dirloop "C:\\WINDOWS\\SYSTEM\\SYSTEM could not be read"
status_is crosslink 3
says crosslink "\\SYSTEM could not be read"
status_is bigfile 0
says chainloop "the kernel file of C:\\WINDOWS has no readable version"

# Volumes damaged at random in their boot sector, tables and folders: every scan ends, with the
# results or a word on what could not be read, and no memory fault (a fixed seed, to replay).
seed=${DISK_IMAGES_SEED:-1999}
echo "disk_images: random damage with seed $seed"
for i in $(seq 1 24); do
  img=$work/random.img
  cp "$work/fat16.img" "$img"
  python3 - "$img" "$seed" "$i" <<'PY'
import random, sys
path, seed, case = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rng = random.Random(seed * 1000 + case)
with open(path, "r+b") as f:
    data = bytearray(f.read(1 << 20))
    for _ in range(rng.choice([1, 4, 16, 64])):
        # the boot sector, the tables or the folders after them
        at = rng.choice([rng.randrange(0, 512), rng.randrange(512, 1 << 20)])
        data[at] = rng.randrange(256)
    f.seek(0)
    f.write(data)
PY
  run "random$i" --image "C:=$img" --os drive C:
  st=$(cat "$work/out/random$i/status")
  case $st in 0 | 1 | 3) ;; *) fail "damaged image $i (seed $seed): status $st"; cat "$work/out/random$i/messages" | head -20 ;; esac
  if grep -qE 'AddressSanitizer|runtime error|LeakSanitizer' "$work/out/random$i/messages"; then
    fail "damaged image $i (seed $seed): memory fault"; head -30 "$work/out/random$i/messages"
  fi
done

# What cannot be read is said, and nothing is written.
run missing --image "C:=$work/no such.img" C:
status_is missing 1
says missing "the image $work/no such.img cannot be read"
printf 'not a disk\n' >"$work/text.img"
run text --image "C:=$work/text.img" C:
status_is text 1
says text "none of its partitions holds a file system that can be read"
run nopart --image "C:=$disk,3" C:
status_is nopart 1
says nopart "the image has no partition 3 (it has 2)"
run badopt --image "C:$disk" C:
status_is badopt 2
for n in missing text nopart badopt; do
  [ -f "$work/out/$n/Files.y2k" ] && fail "$n wrote results"
done

[ $failed = 0 ] && echo "disk_images: FAT12, FAT16, FAT32, split, MBR, E01, VMDK, VHD and NTFS images scan as their folder"
exit $failed
