#!/usr/bin/env python3
"""ostrevan-scan against hostile input. Every case runs the program as a child with a time
budget, and the child's peak resident memory (as the kernel counts it) must stay below the
memory budget: a reader that tries to allocate what a file claims, or a loader that reads a
device without end, fails here instead of on a user's machine.

    hostile_scan.py OSTREVAN_SCAN SOURCE_DIR
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SECONDS = 20          # per run; the sanitizer build on a busy machine, not the target speed
MEGABYTES = 400       # peak resident memory per run; the sanitizer build alone takes ~60 MB
SPARSE_SIZE = 5 << 30 # sparse copies reach every size a 32-bit field can claim

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def run(args, what, stdin=subprocess.DEVNULL, env=None):
    """Runs the scanner; returns (status, stdout, stderr). A run over budget is a failure."""
    start = time.monotonic()
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        child = subprocess.Popen([SCAN] + args, stdin=stdin, stdout=out, stderr=err, env=env,
                                 start_new_session=True)
        status, rusage = None, None
        while True:
            pid, st, ru = os.wait4(child.pid, os.WNOHANG)
            if pid:
                status, rusage = os.waitstatus_to_exitcode(st), ru
                break
            if time.monotonic() - start > SECONDS:
                os.killpg(child.pid, signal.SIGKILL)
                _, st, ru = os.wait4(child.pid, 0)
                check(False, f"{what}: still running after {SECONDS} s")
                status, rusage = None, ru
                break
            time.sleep(0.02)
        peak_mb = rusage.ru_maxrss / 1024
        check(peak_mb < MEGABYTES, f"{what}: peak memory {peak_mb:.0f} MB")
        out.seek(0)
        err.seek(0)
        return status, out.read(), err.read()


def version_info_cases(work):
    """--version-info prints exactly one line of six TAB-separated fields for every file,
    whatever the file is, whatever its name holds."""
    seeds = os.path.join(SOURCE, "fuzz", "seeds")
    files = []
    for name in sorted(os.listdir(seeds)):
        plain = os.path.join(seeds, name)
        sparse = os.path.join(work, "sparse-" + name)
        shutil.copyfile(plain, sparse)
        os.truncate(sparse, SPARSE_SIZE)
        files += [(name, plain), (name + " (sparse)", sparse)]
    fifo = os.path.join(work, "pipe.exe")
    os.mkfifo(fifo)
    files.append(("a named pipe", fifo))
    files.append(("a device", "/dev/zero"))
    odd = os.path.join(work, "tab\there\rcr\nlf.exe")
    shutil.copyfile(os.path.join(seeds, "version-claims-2gib.exe"), odd)
    files.append(("a name with TAB, CR and LF", odd))
    for what, path in files:
        status, out, _ = run(["--version-info", path], what)
        check(status == 0, f"{what}: exit status {status}")
        lines = out.split(b"\n")
        check(len(lines) == 2 and lines[1] == b"" and lines[0].count(b"\t") == 5 and b"\r" not in out,
              f"{what}: not one line of six fields: {out[:200]!r}")


def make_tree(root, tag, count):
    """A drive of `count` program files without version data, each named after `tag`."""
    os.makedirs(root, exist_ok=True)
    for i in range(count):
        with open(os.path.join(root, f"{tag}{i:05}.EXE"), "wb") as f:
            f.write(b"MZ no version data")


def knowledge_base(work, name, vendors=None, apps=None):
    """A data folder with the shipped files, or the given bytes in their place."""
    kb = os.path.join(work, name)
    os.makedirs(kb, exist_ok=True)
    for file, content in (("Vendors.y2k", vendors), ("APPS.y2k", apps)):
        target = os.path.join(kb, file)
        if content is None:
            shutil.copyfile(os.path.join(SOURCE, "data", file), target)
        elif callable(content):
            content(target)
        else:
            with open(target, "wb") as f:
                f.write(content)
    return kb


def read(path):
    with open(path, "rb") as f:
        return f.read()


def results_folder_cases(work):
    """Scans into one results folder at the same time: the result files are always a whole
    pair from one scan; a link planted at a temporary's name is never written through; a
    report that cannot be written costs no scan and removes nothing."""
    kb = knowledge_base(work, "kb")
    results = os.path.join(work, "results")
    os.makedirs(results)
    make_tree(os.path.join(work, "driveA"), "A", 300)
    make_tree(os.path.join(work, "driveB"), "B", 300)
    victim = os.path.join(work, "victim")
    with open(victim, "wb") as f:
        f.write(b"keep")
    os.symlink(victim, os.path.join(results, "Files.y2k.tmp"))
    scans = {tag: [SCAN, "--quiet", "--data", kb, "--results", results, "--os", spec,
                   os.path.join(work, "drive" + tag)]
             for tag, spec in (("A", "1,4,10,C:\\WINDOWS"), ("B", "2,5,0,C:\\WINNT"))}
    for round_ in range(15):
        children = [subprocess.Popen(scans[t], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                    for t in ("A", "B")]
        for c in children:
            _, err = c.communicate(timeout=SECONDS * 3)
            check(c.returncode == 0, f"concurrent scans, round {round_}: status {c.returncode} {err[:200]!r}")
        files, junk = read(os.path.join(results, "Files.y2k")), read(os.path.join(results, "JFiles.y2k"))
        family = "A" if b"Microsoft Windows Operating System" in files else "B"
        check(files.endswith(b"\r\n") and junk.endswith(b"\r\n") and junk.count(b"\r\n") == 300,
              f"concurrent scans, round {round_}: a torn result file")
        check(junk.startswith(b'"' + family.encode()), f"concurrent scans, round {round_}: files of two scans")
    check(read(victim) == b"keep", "a link at the old temporary's name was written through")
    leftovers = [n for n in os.listdir(results) if n not in ("Files.y2k", "JFiles.y2k", "Files.y2k.tmp")]
    check(not leftovers, f"temporaries left in the results folder: {leftovers}")

    before = read(os.path.join(results, "Files.y2k"))
    dangling = os.path.join(work, "report-link.rtf")
    os.symlink(os.path.join(work, "no-such-folder", "r.rtf"), dangling)
    for what, target in (("a link", dangling), ("a folder that does not exist", os.path.join(work, "nope", "r.rtf")),
                         ("a device", "/dev/null")):
        status, _, err = run(scans["B"][1:-1] + ["--report", target, scans["A"][-1]], f"--report to {what}")
        check(status == 1 and b"cannot write the report" in err, f"--report to {what}: status {status} {err!r}")
        check(read(os.path.join(results, "Files.y2k")) == before, f"--report to {what}: the scan ran anyway")
    check(os.path.islink(dangling), "--report removed a link it did not create")
    check(os.path.exists("/dev/null") and not os.path.isfile("/dev/null"), "--report replaced a device")


def loader_cases(work):
    """Damaged knowledge-base files: the scan ends, uses what could be read and warns which
    file and line stopped the reading and how much was ignored."""
    drive = os.path.join(work, "small-drive")
    make_tree(drive, "P", 2)
    vendors = read(os.path.join(SOURCE, "data", "Vendors.y2k"))
    lines = vendors.split(b"\r\n")[:-1]
    cases = [
        ("a UTF-8 byte-order mark", dict(vendors=b"\xef\xbb\xbf" + vendors), b"Vendors.y2k, line 1: the file begins with a UTF-8 byte-order mark"),
        ("a blank line", dict(vendors=b"\r\n".join(lines[:3] + [b""] + lines[3:]) + b"\r\n"),
         f"Vendors.y2k, line 4: the line does not hold the fields of a record; that line and the {len(lines) - 3} lines after it were ignored".encode()),
        ("a gap in the vendor IDs", dict(vendors=b"\r\n".join(lines[:2] + lines[3:]) + b"\r\n"), b"Vendors.y2k, line 3: vendor IDs"),
        ("a class code of 9", dict(apps=b'"1\t1\t9\tProduct\t\tNOLIMITS\tNOLIMITS\t\t"\r\n'), b"APPS.y2k, line 1: a number lies outside its range"),
        ("a named pipe", dict(vendors=os.mkfifo), b"Vendors.y2k cannot be read"),
        ("an endless device", dict(apps=lambda p: os.symlink("/dev/zero", p)), b"APPS.y2k cannot be read"),
    ]
    for i, (what, files, warning) in enumerate(cases):
        kb = knowledge_base(work, f"kb-damaged-{i}", **files)
        status, _, err = run(["--quiet", "--data", kb, "--os", "none", drive], f"knowledge base with {what}")
        check(status == 0 and warning in err, f"knowledge base with {what}: status {status}, {err[:300]!r}")


def command_line_cases(work):
    """A drive that cannot be read, output that cannot be written, a stop by Ctrl-C."""
    kb = knowledge_base(work, "kb-cli")
    drive = os.path.join(work, "locked-drive")
    make_tree(drive, "L", 1)
    os.chmod(work, 0o755)
    os.chmod(kb, 0o777)
    with open(os.path.join(kb, "Files.y2k"), "wb") as f:
        f.write(b"old")
    os.chmod(os.path.join(kb, "Files.y2k"), 0o666)
    os.chmod(drive, 0)
    as_nobody = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", SCAN]
    child = subprocess.run(as_nobody + ["--quiet", "--data", kb, "--os", "none", drive], capture_output=True,
                           timeout=SECONDS)
    check(child.returncode == 1 and b"cannot be read" in child.stderr, f"unreadable drive: {child}")
    check(read(os.path.join(kb, "Files.y2k")) == b"old", "unreadable drive: the old results were replaced")
    os.chmod(drive, 0o755)

    with open("/dev/full", "wb") as full:
        child = subprocess.run([SCAN, "--version-info", "/dev/null"], stdout=full, stderr=subprocess.PIPE,
                               timeout=SECONDS)
    check(child.returncode == 1, f"output to a full disk: status {child.returncode}")

    big = os.path.join(work, "big-drive")
    for d in range(40):
        make_tree(os.path.join(big, f"D{d}"), "X", 100)
    child = subprocess.Popen([SCAN, "--quiet", "--data", kb, "--os", "none", big], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE)
    # Ctrl-C as soon as the scan has taken over SIGINT (the walk of 4,000 programs is still to come).
    deadline = time.time() + SECONDS
    while child.poll() is None and time.time() < deadline:
        with open(f"/proc/{child.pid}/status") as st:
            caught = int(next(l for l in st if l.startswith("SigCgt:")).split()[1], 16)
        if caught & (1 << (signal.SIGINT - 1)):
            break
        time.sleep(0.002)
    child.send_signal(signal.SIGINT)
    _, err = child.communicate(timeout=SECONDS)
    check(child.returncode == 130 and b"stopped by Ctrl-C" in err, f"Ctrl-C: status {child.returncode} {err!r}")


def merge_case(work):
    """Forty copies of one product, each with its own 30,000-character version: merging them
    into one record stays within the time budget (a search through the growing list of merged
    versions took minutes)."""
    sys.path.insert(0, os.path.join(SOURCE, "fuzz"))
    import make_seeds
    drive = os.path.join(work, "long-versions")
    os.makedirs(drive)
    for i in range(40):
        fields = {"ProductName": "Long Product", "CompanyName": "Unheard Of Makers",
                  "ProductVersion": f"{i:02}." + "9" * 30000}
        with open(os.path.join(drive, f"L{i:02}.EXE"), "wb") as f:
            f.write(make_seeds.version_program(fields))
    kb = knowledge_base(work, "kb-merge")
    status, out, err = run(["--quiet", "--data", kb, "--os", "none", drive], "forty long versions")
    files = read(os.path.join(kb, "Files.y2k"))
    check(status == 0 and files.count(b" , ") == 2 * 39, f"forty long versions: status {status} {err[:200]!r}")


def quadratic_cases(work):
    """A record named "V V V ..." whose maker is "V": taking the maker's name out of the product's
    copied the rest of the name at each of its million removals; the fleet now merges it within
    the budget."""
    pc = os.path.join(work, "quadratic", "PC-V")
    os.makedirs(pc)
    with open(os.path.join(pc, "Files.y2k"), "wb") as f:
        f.write(b'"' + b"V " * (1 << 20) + b'\tV\t1.0\t1.0\tV\t\tC:\\V\t2"\r\n')
    open(os.path.join(pc, "JFiles.y2k"), "wb").close()
    status, out, err = run(["--fleet", os.path.join(work, "quadratic", "office"), pc], "a name that is its maker's over and over")
    check(status == 0 and b"1 PCs, 1 products" in out, f"a name that is its maker's over and over: {status} {out!r} {err[:200]!r}")

    # One product in 5,000 versions of 900 characters: each record was compared with every
    # version met before it.
    pc = os.path.join(work, "quadratic", "PC-W")
    os.makedirs(pc)
    with open(os.path.join(pc, "Files.y2k"), "wb") as f:
        for i in range(5000):
            v = b"1." * 449 + str(i).encode()
            f.write(b'"Writer\tAcme\t' + v + b"\t" + v + b'\tWriter\t\tC:\\W\t2"\r\n')
    open(os.path.join(pc, "JFiles.y2k"), "wb").close()
    status, out, err = run(["--fleet", os.path.join(work, "quadratic", "office-w"), pc], "one product in 5,000 long versions")
    check(status == 0 and b"1 PCs, 5000 products" in out, f"one product in 5,000 long versions: {status} {out!r} {err[:200]!r}")

    # A product name of a megabyte in the knowledge base against programs whose names are 20,000
    # near misses of it: a plain search compared the two at every place (15 s a program).
    sys.path.insert(0, os.path.join(SOURCE, "fuzz"))
    import make_seeds
    kb = knowledge_base(work, "kb-long-name",
                        vendors=b'"None\t\t\t\t1\t"\r\n"Acme\t\t\t\t2\t"\r\n',
                        apps=b'"1\t2\t1\t' + b"a" * (1 << 20) + b'\t\tNOLIMITS\tNOLIMITS\tReady\t"\r\n')
    drive = os.path.join(work, "long-names-drive")
    os.makedirs(drive)
    for i in range(3):
        with open(os.path.join(drive, f"N{i}.EXE"), "wb") as f:
            f.write(make_seeds.version_program({"ProductName": "a" * 20000 + "b", "CompanyName": "Acme",
                                                "ProductVersion": "1.0"}))
    status, out, err = run(["--quiet", "--data", kb, "--os", "none", drive], "a megabyte product name")
    check(status == 0 and b"Manufacturer Supplied No Info: 3" in out, f"a megabyte product name: {status} {out!r} {err[:200]!r}")


def terminal_and_output_cases(work):
    """Names holding escape sequences never reach the terminal raw; the fleet's two files are
    replaced together or not at all; the longest names a target may have still save."""
    esc = "\x1b]0;owned\x07\x1b[2J"
    odd = os.path.join(work, "PC" + esc)
    os.makedirs(odd)
    status, out, err = run(["--fleet", os.path.join(work, "office"), odd], "fleet of a folder named with escapes")
    check(b"\x1b" not in err and b"\\x1B" in err, f"fleet warning shows the escapes raw: {err!r}")
    program = os.path.join(work, "V" + esc + ".EXE")
    with open(program, "wb") as f:
        f.write(b"MZ")
    status, out, err = run(["--version-info", program], "version info of a name with escapes")
    check(status == 0 and b"\x1b" not in out and out.count(b"\t") == 5, f"version info shows escapes raw: {out!r}")

    pcs = []
    for name in ("PC-A", "PC-B"):
        pc = os.path.join(work, "fleet", name)
        os.makedirs(pc)
        with open(os.path.join(pc, "Files.y2k"), "wb") as f:
            f.write(b'"Calc\tNumbers Ltd\t2.0\t2.0\tCalc\t\tC:\\CALC\t0"\r\n')
        open(os.path.join(pc, "JFiles.y2k"), "wb").close()
        pcs.append(pc)
    out_dir = os.path.join(work, "fleet-out")
    os.makedirs(os.path.join(out_dir, "office.rtf"))  # the report cannot be written
    with open(os.path.join(out_dir, "office.csv"), "wb") as f:
        f.write(b"old")
    status, _, err = run(["--fleet", os.path.join(out_dir, "office")] + pcs, "fleet whose report cannot be written")
    check(status == 1 and read(os.path.join(out_dir, "office.csv")) == b"old",
          f"fleet pair: status {status}, the spreadsheet was replaced alone: {err!r}")
    # OUT of 251 bytes: OUT.rtf is a name of 255 bytes, which a file may have.
    long_out = os.path.join(work, "L" * 251)
    status, _, err = run(["--fleet", long_out] + pcs, "fleet with the longest OUT")
    check(status == 0 and os.path.exists(long_out + ".csv"), f"fleet with a 251-byte OUT: {status} {err!r}")
    kb = knowledge_base(work, "kb-long")
    drive = os.path.join(work, "long-report-drive")
    make_tree(drive, "R", 1)
    report = os.path.join(work, "R" * 251 + ".rtf")
    status, _, err = run(["--quiet", "--data", kb, "--os", "none", "--report", report, drive], "report of 255 bytes")
    check(status == 0 and os.path.exists(report), f"--report of a 255-byte name: {status} {err!r}")

    # One folder given through a link and a relative path is one PC.
    os.symlink(pcs[0], os.path.join(work, "link-to-a"))
    status, out, err = run(["--fleet", os.path.join(work, "office2"), pcs[0], os.path.join(work, "link-to-a"),
                            os.path.relpath(pcs[0])], "one folder three ways")
    check(status == 0 and b": 1 PCs" in out, f"one folder three ways: {out!r} {err!r}")


class Swapper:
    """Swaps a plain file and a named pipe of the same name, without pause, while it runs."""

    def __init__(self, path, content):
        self.path, self.content, self.stop = path, content, False

    def loop(self):
        while not self.stop:
            plain, pipe = self.path + ".p", self.path + ".f"
            with open(plain, "wb") as f:
                f.write(self.content)
            os.replace(plain, self.path)
            os.mkfifo(pipe)
            os.replace(pipe, self.path)

    def __enter__(self):
        import threading
        self.thread = threading.Thread(target=self.loop)
        self.thread.start()
        return self

    def __exit__(self, *_):
        self.stop = True
        self.thread.join()


def swap_cases(work):
    """Files that turn into named pipes between the check and the opening: a results folder's
    Files.y2k under --fleet, BOOT.INI under --os drive, the Vendors.y2k of --data. Each run ends
    within the budget, whatever it found."""
    pc = os.path.join(work, "swap-pc")
    drive = os.path.join(work, "swap-drive")
    make_tree(drive, "S", 3)
    os.makedirs(pc)
    kb = knowledge_base(work, "swap-kb")
    status, _, err = run(["--quiet", "--data", kb, "--results", pc, "--os", "none", drive], "results to swap")
    check(status == 0, f"results to swap: {status} {err!r}")
    cases = (
        (os.path.join(pc, "Files.y2k"), ["--fleet", os.path.join(work, "swap-office"), pc]),
        (os.path.join(drive, "BOOT.INI"),
         ["--quiet", "--data", kb, "--results", os.path.join(work, "swap-r1"), "--os", "drive", drive]),
        (os.path.join(kb, "Vendors.y2k"),
         ["--quiet", "--data", kb, "--results", os.path.join(work, "swap-r2"), "--os", "none", drive]),
    )
    for path, args in cases:
        with Swapper(path, read(path) if os.path.exists(path) else b"[boot loader]\r\n"):
            for i in range(10):
                run(args, f"{os.path.basename(path)} swapped with a pipe, run {i}")


def link_swap_case(work):
    """A helper swaps a folder of the drive with a link to a folder outside it, without pause,
    while the drive is scanned again and again: nothing outside the drive is ever recorded."""
    drive, outside = os.path.join(work, "link-drive"), os.path.join(work, "link-outside")
    sub = os.path.join(drive, "SUB")
    make_tree(sub, "INSIDE", 20)
    make_tree(os.path.join(sub, "DEEP"), "DEEPIN", 5)
    make_tree(outside, "OUTSIDE", 20)
    make_tree(os.path.join(outside, "DEEP"), "DEEPOUT", 5)
    kb = knowledge_base(work, "link-kb")
    results = os.path.join(work, "link-results")
    os.makedirs(results)
    stop = []

    def swap():
        while not stop:
            os.rename(sub, sub + ".real")
            os.symlink(outside, sub)
            os.unlink(sub)
            os.rename(sub + ".real", sub)

    import threading
    helper = threading.Thread(target=swap)
    helper.start()
    try:
        for i in range(20):
            status, _, err = run(["--quiet", "--data", kb, "--results", results, "--os", "none", drive],
                                 f"folder swapped with a link, run {i}")
            found = read(os.path.join(results, "Files.y2k")) + read(os.path.join(results, "JFiles.y2k"))
            check(b"OUTSIDE" not in found and b"DEEPOUT" not in found,
                  f"folder swapped with a link, run {i}: programs outside the drive recorded")
    finally:
        stop.append(True)
        helper.join()


def main():
    global SCAN, SOURCE
    SCAN, SOURCE = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="ostrevan-hostile-") as work:
        for case in CASES:
            case(work)
    if failures:
        print(f"{len(failures)} hostile case(s) failed")
        return 1
    print("every hostile case stayed within its budget")
    return 0


CASES = [version_info_cases, results_folder_cases, loader_cases, command_line_cases, merge_case,
         quadratic_cases, terminal_and_output_cases, swap_cases, link_swap_case]

if __name__ == "__main__":
    sys.exit(main())
