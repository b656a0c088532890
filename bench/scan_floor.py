#!/usr/bin/env python3
"""The drive scan against its floor, measured in one run.

Makes a generated drive of real Windows programs found on this machine (the PE files Wine ships,
and those Debian, pip or npm packages ship), hard-linked into about 2,000 folders, then times in
turns, each the median of --runs runs:
  floor    bench's ostrevan_scan_floor: walk, open every program, read its headers, resource
           directory and version resource, nothing more;
  scan     ostrevan-scan over the same drive with the shipped knowledge base;
  exiftool the same version fields of the same files in one process, when it is installed.
The machine may be shared and busy: the ratios are what to read, not the times.

  bench/scan_floor.py [--build build/bench] [--runs 3] [--folders 2000] [--keep DIR]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
SOURCES = ["/usr/lib/x86_64-linux-gnu/wine", "/usr/lib/wine", "/usr/lib/i386-linux-gnu/wine",
           "/usr/share", "/usr/lib/python3", "/usr/local/lib", "/usr/lib/node_modules"]
VERSION_KEY = "VS_VERSION_INFO".encode("utf-16-le")


def programs(limit):
    """Distinct PE programs: every .exe found, then .dll files with version data, up to limit."""
    exes, dlls, seen = [], [], set()
    for top in SOURCES:
        for base, dirs, files in os.walk(top):
            dirs.sort()
            for f in sorted(files):
                low = f.lower()
                if not low.endswith((".exe", ".dll")):
                    continue
                p = os.path.join(base, f)
                try:
                    if not os.path.isfile(p) or os.path.islink(p) or os.path.getsize(p) > 16 << 20:
                        continue
                    with open(p, "rb") as fh:
                        data = fh.read()
                except OSError:
                    continue
                # The scan passes REGSVR32.EXE by; the floor would not.
                if data[:2] != b"MZ" or data in seen or low == "regsvr32.exe":
                    continue
                seen.add(data)
                (exes if low.endswith(".exe") else dlls).append((f, data))
    versioned = [d for d in dlls if VERSION_KEY in d[1]]
    return (exes + versioned)[:limit]


def make_drive(root, folders, per_folder, distinct):
    """root/src holds one copy of each program; root/drive has the folders of hard links."""
    src, drive = os.path.join(root, "src"), os.path.join(root, "drive")
    os.makedirs(src)
    os.makedirs(drive)
    files = []
    for i, (name, data) in enumerate(programs(distinct)):
        stem = os.path.splitext(name)[0].upper()[:8]
        p = os.path.join(src, "%03d-%s.EXE" % (i, stem))
        with open(p, "wb") as fh:
            fh.write(data)
        files.append((stem + ".EXE", p))
    if not files:
        sys.exit("scan_floor: no Windows programs found on this machine")
    k = 0
    for d in range(folders):
        folder = os.path.join(drive, "DIR%02d" % (d % 40), "SUB%04d" % d)
        os.makedirs(folder)
        used = set()
        for _ in range(per_folder):
            name, p = files[k % len(files)]
            k += 7  # neighbours differ from folder to folder
            if name in used:
                name = "%d%s" % (len(used), name)
            used.add(name)
            os.link(p, os.path.join(folder, name))
        with open(os.path.join(folder, "README.TXT"), "w") as fh:
            fh.write("not a program\n")
    return drive, len(files), folders * per_folder


def timed(cmd):
    """(wall seconds, CPU seconds: user + system) of one run of cmd."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        sys.exit("scan_floor: %s failed with status %d" % (cmd[0], proc.returncode))
    return wall, usage.ru_utime + usage.ru_stime


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(REPO, "build", "bench"))
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--folders", type=int, default=2000)
    ap.add_argument("--per-folder", type=int, default=10)
    ap.add_argument("--distinct", type=int, default=125)
    ap.add_argument("--scan", help="the ostrevan-scan to time (default: the one in --build)")
    ap.add_argument("--keep", help="make (or reuse) the drive in this directory and keep it")
    a = ap.parse_args()

    floor = os.path.join(a.build, "bench", "ostrevan_scan_floor")
    scan = a.scan or os.path.join(a.build, "tools", "ostrevan-scan", "ostrevan-scan")
    for exe in (floor, scan):
        if not os.access(exe, os.X_OK):
            sys.exit("scan_floor: %s is not built" % exe)
    root = a.keep or tempfile.mkdtemp(prefix="ostrevan-floor-")
    try:
        if os.path.isdir(os.path.join(root, "drive")):
            drive = os.path.join(root, "drive")
            print("scan_floor: the drive in %s" % drive)
        else:
            drive, distinct, count = make_drive(root, a.folders, a.per_folder, a.distinct)
            print("scan_floor: %d programs (%d distinct) in %d folders" % (count, distinct, a.folders))
        results = os.path.join(root, "results")
        os.makedirs(results, exist_ok=True)
        commands = {
            "floor": [floor, drive],
            "scan": [scan, "--quiet", "--os", "none", "--data", os.path.join(REPO, "data"), "--results", results,
                     drive],
        }
        if shutil.which("exiftool"):
            commands["exiftool"] = ["exiftool", "-q", "-q", "-r", "-ext", "exe", "-CompanyName", "-ProductName",
                                    "-ProductVersion", "-FileDescription", "-Comments", drive]
        for cmd in commands.values():  # warm the cache: every run then reads from memory
            timed(cmd)
        times = {k: [] for k in commands}
        load = os.getloadavg()[0]
        for _ in range(a.runs):
            for k, cmd in commands.items():
                times[k].append(timed(cmd))
        wall = {k: statistics.median(t[0] for t in v) for k, v in times.items()}
        cpu = {k: statistics.median(t[1] for t in v) for k, v in times.items()}
        for k, v in times.items():
            print("  %-8s median %.3f s wall, %.3f s CPU  (wall: %s)" %
                  (k, wall[k], cpu[k], ", ".join("%.3f" % t[0] for t in v)))
        print("scan / floor:     %.2f wall, %.2f CPU" % (wall["scan"] / wall["floor"], cpu["scan"] / cpu["floor"]))
        if "exiftool" in wall:
            print("exiftool / scan:  %.1f wall, %.1f CPU" % (wall["exiftool"] / wall["scan"],
                                                             cpu["exiftool"] / cpu["scan"]))
        else:
            print("exiftool / scan:  not measured (exiftool is not installed)")
        print("load average when the runs began: %.1f on %d cores" % (load, os.cpu_count() or 1))
    finally:
        if not a.keep:
            shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
