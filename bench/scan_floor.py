#!/usr/bin/env python3
"""The drive scan against its floor, measured in one run.

Makes a generated drive of real Windows programs found on this machine (the PE files Wine ships,
and those Debian, pip or npm packages ship), hard-linked into about 2,000 folders, then times in
turns, each the median of --runs runs:
  floor    bench's ostrevan_scan_floor: walk, open every program, read its headers, resource
           directory and version resource, nothing more;
  scan     ostrevan-scan over the same drive with the shipped knowledge base;
  exiftool the same version fields of the same files in one process, when it is installed.
With --wine BUILD (a Windows build, e.g. build/win) a second, smaller drive (--wine-folders) is
timed under Wine as well: the native ostrevan-scan, BUILD's ostrevan-scan.exe and the wizard's
scan (BUILD's ostrevan-wizard-scan.exe, the main window scanning as a user starts it), and
BUILD's ostrevan-scan-floor.exe, the floor of a Windows scan (walk, open, read) under Wine; the
result files of the Windows scans are compared. One Wine server stays up for the whole run, so that
every Windows run starts alike.
The machine may be shared and busy: the ratios are what to read, not the times.

  bench/scan_floor.py [--build build/bench] [--runs 3] [--folders 2000] [--keep DIR]
                      [--wine build/win [--wine-folders 300]]
"""
import argparse
import filecmp
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


def programs(limit, max_size=16 << 20):
    """Distinct PE programs of at most max_size bytes: every .exe found, then .dll files with
    version data, up to limit."""
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
                    if not os.path.isfile(p) or os.path.islink(p) or os.path.getsize(p) > max_size:
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


def make_drive(root, folders, per_folder, distinct, max_size=16 << 20):
    """root/src holds one copy of each program; root/drive has the folders of hard links."""
    src, drive = os.path.join(root, "src"), os.path.join(root, "drive")
    os.makedirs(src)
    os.makedirs(drive)
    files = []
    for i, (name, data) in enumerate(programs(distinct, max_size)):
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


def windows_path(path):
    """The Wine path of a host path, through the Z: drive."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run_timed(commands, runs):
    """{name: (median wall, median CPU, [walls])} of runs turns of every command, after one warm-up."""
    for cmd in commands.values():  # warm the cache: every run then reads from memory
        timed(cmd)
    times = {k: [] for k in commands}
    for _ in range(runs):
        for k, cmd in commands.items():
            times[k].append(timed(cmd))
    return {k: (statistics.median(t[0] for t in v), statistics.median(t[1] for t in v), [t[0] for t in v])
            for k, v in times.items()}


def report(results):
    for k, (wall, cpu, walls) in results.items():
        print("  %-8s median %.3f s wall, %.3f s CPU  (wall: %s)" % (k, wall, cpu, ", ".join("%.3f" % t for t in walls)))


def wine_runs(a, root, scan, data):
    """The Windows scans under Wine against the native one over a drive of --wine-folders folders."""
    win = os.path.abspath(a.wine)
    scan_exe = os.path.join(win, "tools", "ostrevan-scan", "ostrevan-scan.exe")
    wizard_exe = os.path.join(win, "bench", "win32", "ostrevan-wizard-scan.exe")
    floor_exe = os.path.join(win, "bench", "win32", "ostrevan-scan-floor.exe")
    for exe in (scan_exe, wizard_exe, floor_exe):
        if not os.path.isfile(exe):
            sys.exit("scan_floor: %s is not built (make cross)" % exe)
    drive = os.path.join(root, "wine-drive")
    if os.path.isdir(drive):
        count = sum(n.upper().endswith(".EXE") for _, _, f in os.walk(drive) for n in f)
    else:
        wroot = os.path.join(root, "wine")
        os.makedirs(wroot, exist_ok=True)
        os.rename(make_drive(wroot, a.wine_folders, a.per_folder, a.distinct)[0], drive)
        count = a.wine_folders * a.per_folder
    print("scan_floor: under Wine, a drive of %d programs in %d folders" % (count, a.wine_folders))
    places = {k: os.path.join(root, "results-" + k) for k in ("native", "wine", "wizard")}
    for k, d in places.items():
        os.makedirs(d, exist_ok=True)
    for f in ("Vendors.y2k", "APPS.y2k"):  # the wizard reads and writes beside its data
        shutil.copy(os.path.join(data, f), places["wizard"])
    env = dict(os.environ, WINEPREFIX=os.environ.get("WINEPREFIX", os.path.join(REPO, "build", "wineprefix")),
               WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    env.pop("DISPLAY", None)
    subprocess.run([os.path.join(REPO, "tests", "wine", "wine-prefix.sh")], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    os.environ.update(env)
    os.environ.pop("DISPLAY", None)
    server = subprocess.Popen(["wineserver", "-f", "-p"])
    try:
        results = run_timed({
            "native": [scan, "--quiet", "--os", "none", "--data", data, "--results", places["native"], drive],
            "wine": ["wine", scan_exe, "--quiet", "--os", "none", "--data", windows_path(data), "--results",
                     windows_path(places["wine"]), windows_path(drive)],
            "wizard": ["wine", wizard_exe, windows_path(places["wizard"]), windows_path(drive)],
            "winefloor": ["wine", floor_exe, windows_path(drive)],
        }, a.runs)
    finally:
        subprocess.run(["wineserver", "-k"], check=False)
        server.wait()
    report(results)
    print("Wine scan / native scan:   %.2f wall" % (results["wine"][0] / results["native"][0]))
    print("Wine wizard / Wine scan:   %.2f wall" % (results["wizard"][0] / results["wine"][0]))
    # The system's own file access under Wine (walk, open, 4 KB + 64 KB read per program) against
    # the Windows scan: what the scan costs beyond the I/O Wine makes it pay.
    print("Wine scan / Wine floor:    %.2f wall (Wine floor / native scan %.2f)" % (
        results["wine"][0] / results["winefloor"][0], results["winefloor"][0] / results["native"][0]))
    # Windows lists a folder's names in another order than Linux does, and which program a
    # record is first made from follows that order: only the two Windows scans (the same
    # listings) are compared, byte for byte, the case of the drive letter aside.
    for f in ("Files.y2k", "JFiles.y2k"):
        wine, wizard = (read_results(os.path.join(places[k], f)) for k in ("wine", "wizard"))
        print("  %s of the wizard: %s the Wine scan's" % (
            f, "byte for byte" if wizard.replace(b"\tc:\\", b"\tC:\\") == wine else "DIFFERENT from"))


def read_results(path):
    with open(path, "rb") as fh:
        return fh.read()

def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(REPO, "build", "bench"))
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--folders", type=int, default=2000)
    ap.add_argument("--per-folder", type=int, default=10)
    ap.add_argument("--distinct", type=int, default=125)
    ap.add_argument("--scan", help="the ostrevan-scan to time (default: the one in --build)")
    ap.add_argument("--keep", help="make (or reuse) the drive in this directory and keep it")
    ap.add_argument("--wine", help="a Windows build folder (build/win): time its scans under Wine too")
    ap.add_argument("--wine-folders", type=int, default=300)
    ap.add_argument("--no-floor", action="store_true", help="time only the Windows scans (with --wine)")
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
        load = os.getloadavg()[0]
        if a.no_floor:
            commands = {}
        results_all = run_timed(commands, a.runs)
        wall = {k: v[0] for k, v in results_all.items()}
        cpu = {k: v[1] for k, v in results_all.items()}
        report(results_all)
        if not a.no_floor:
            print_floor(wall, cpu)
        if a.wine:
            wine_runs(a, root, scan, os.path.join(REPO, "data"))
        print("load average when the runs began: %.1f on %d cores" % (load, os.cpu_count() or 1))
    finally:
        if not a.keep:
            shutil.rmtree(root, ignore_errors=True)


def print_floor(wall, cpu):
    print("scan / floor:     %.2f wall, %.2f CPU" % (wall["scan"] / wall["floor"], cpu["scan"] / cpu["floor"]))
    if "exiftool" in wall:
        print("exiftool / scan:  %.1f wall, %.1f CPU" % (wall["exiftool"] / wall["scan"],
                                                         cpu["exiftool"] / cpu["scan"]))
    else:
        print("exiftool / scan:  not measured (exiftool is not installed)")


if __name__ == "__main__":
    main()
