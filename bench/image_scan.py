#!/usr/bin/env python3
"""A scan of a disk image against the scan of the same files from a folder.

Makes the generated drive of scan_floor.py (real Windows programs, here of at most 96 KiB each,
hard-linked into --folders folders of ten), copies it into a FAT32 image of --size-mb MiB with
mtools, then times in turns, each the median of --runs runs after one warm-up (both read from
memory):
  folder   ostrevan-scan over the folder
  image    ostrevan-scan --image C:=IMAGE over the image
and checks that both wrote the same records.

  bench/image_scan.py [--build build/bench] [--runs 3] [--folders 2000] [--size-mb 2048] [--keep DIR]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

import scan_floor

REPO = scan_floor.REPO


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(REPO, "build", "bench"))
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--folders", type=int, default=2000)
    ap.add_argument("--size-mb", type=int, default=2048)
    ap.add_argument("--keep", help="make (or reuse) the drive and image in this directory and keep them")
    a = ap.parse_args()
    scan = os.path.join(a.build, "tools", "ostrevan-scan", "ostrevan-scan")
    if not os.access(scan, os.X_OK):
        sys.exit("image_scan: %s is not built" % scan)
    if subprocess.run([scan, "--help"], capture_output=True, text=True).stdout.find("--image") < 0:
        sys.exit("image_scan: %s is built without disk images (The Sleuth Kit)" % scan)
    for tool in ("mkfs.fat", "mcopy"):
        if not shutil.which(tool):
            sys.exit("image_scan: %s is missing (scripts/install-deps.sh installs it)" % tool)
    root = a.keep or tempfile.mkdtemp(prefix="ostrevan-image-")
    try:
        drive = os.path.join(root, "drive")
        image = os.path.join(root, "fat32.img")
        if not os.path.isdir(drive):
            drive, distinct, count = scan_floor.make_drive(root, a.folders, 10, 125, 96 << 10)
            print("image_scan: %d programs (%d distinct) in %d folders" % (count, distinct, a.folders))
        if not os.path.exists(image):
            subprocess.run(["mkfs.fat", "-C", "-F", "32", "-n", "BENCH", image, str(a.size_mb * 1024)],
                           check=True, stdout=subprocess.DEVNULL)
            env = dict(os.environ, MTOOLS_SKIP_CHECK="1")
            # In the order the folder lists them, so that the image is walked as the folder is.
            tops = [os.path.join(drive, d) for d in os.listdir(drive)]
            subprocess.run(["mcopy", "-s", "-i", image] + tops + ["::/"], check=True, env=env)
        print("image_scan: a FAT32 image of %d MiB (%d MiB in use on the host)" %
              (os.path.getsize(image) >> 20, os.stat(image).st_blocks * 512 >> 20))
        data = os.path.join(REPO, "data")
        out = {k: os.path.join(root, "results-" + k) for k in ("folder", "image")}
        for d in out.values():
            os.makedirs(d, exist_ok=True)
        common = [scan, "--quiet", "--os", "none", "--data", data]
        commands = {
            "folder": common + ["--results", out["folder"], drive],
            "image": common + ["--results", out["image"], "--image", "C:=" + image, "C:"],
        }
        results = scan_floor.run_timed(commands, a.runs)
        scan_floor.report(results)
        print("image / folder:   %.2f wall, %.2f CPU" % (results["image"][0] / results["folder"][0],
                                                       results["image"][1] / results["folder"][1]))
        for f in ("Files.y2k", "JFiles.y2k"):
            lines = [sorted(open(os.path.join(out[k], f), "rb").read().splitlines()) for k in ("folder", "image")]
            print("%s: %d records, %s" % (f, len(lines[0]), "the same" if lines[0] == lines[1] else "DIFFERENT"))
        print("load average: %.1f on %d cores" % (os.getloadavg()[0], os.cpu_count() or 1))
    finally:
        if not a.keep:
            shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
