#!/usr/bin/env python3
"""Boots the year-2000 clock test under qemu from chosen dates and checks its report.

Each case boots the floppy image (the stock one, or one built with the faulty-PC fixture
and/or options), reads the report from the serial port up to the "EXIT n" line, asks qemu
for the real-time clock through QMP and checks: every test line, the exit code, and that
the clock was put back to the start time plus the time the test took.

Exit status: 0 all checks passed, 1 a check failed, 77 qemu cannot run here (skipped).
"""
import argparse
import datetime as dt
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
MONTHS = ['Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec']

CHIP = 'Clock chip answers sensibly'
ROLL_2000 = 'Rollover 31 Dec 1999 23:59:58 -> 1 Jan 2000'
BIOS_2000 = 'BIOS date service sets and reads 1 Jan 2000'
LEAP_29 = 'Rollover 28 Feb 2000 23:59:58 -> 29 Feb 2000'
LEAP_1MAR = 'Rollover 29 Feb 2000 23:59:58 -> 1 Mar 2000'
BIOS_LEAP = 'BIOS date service sets and reads 29 Feb 2000'
DAY_366 = 'Rollover 31 Dec 2000 23:59:58 -> 1 Jan 2001'
NO_LEAP_2001 = 'Rollover 28 Feb 2001 23:59:58 -> 1 Mar 2001'
RESTART = 'Restart test: 1 Jan 2000 after switching off'
DOS_2000 = 'DOS date service sets and reads 1 Jan 2000'
DOS_LEAP = 'DOS date service sets and reads 29 Feb 2000'
ROLLOVERS = [ROLL_2000, LEAP_29, LEAP_1MAR, DAY_366, NO_LEAP_2001]
ALL_TESTS = [CHIP, ROLL_2000, BIOS_2000, LEAP_29, LEAP_1MAR, BIOS_LEAP, DAY_366, NO_LEAP_2001]

# What each test line's failure means for the exit code, most basic first.
CLASS = {CHIP: 1, RESTART: 2, BIOS_2000: 6, DOS_2000: 6, ROLL_2000: 2, LEAP_29: 8, LEAP_1MAR: 8,
         BIOS_LEAP: 8, DOS_LEAP: 8, DAY_366: 8, NO_LEAP_2001: 8}
PRIORITY = [1, 6, 2, 8]


class Either:
    """A line that may pass, or fail with one of the given reasons."""
    def __init__(self, *reasons):
        self.reasons = reasons


def all_pass(**changes):
    lines = {name: 'passed' for name in ALL_TESTS}
    lines.update(changes)
    return lines


def stock(dos=False):
    """The emulator's stock BIOS date service reports a century byte of its own, set at
    start-up and by its set-date function, which does not follow the chip when it rolls
    over; and it writes the century while the clock runs, which qemu 7.2 drops at the next
    update. Its lines may fail for those reasons and no other; the chip's rollovers must
    pass."""
    lines = all_pass()
    lines[ROLL_2000] = Either('the BIOS date service reports 1 Jan 1900')
    lines[BIOS_2000] = Either('1 Jan 1900')
    lines[BIOS_LEAP] = Either('1 Mar 2000', '1900')
    if dos:
        lines[DOS_2000] = lines[DOS_LEAP] = 'passed'
    return lines


# name: (rtc start, options, fixture faults or None for the stock image, expected lines,
#        expected exit code (None: the one the failed lines call for, 16 if none failed),
#        texts that must appear, whether the clock is set back (False: never touched;
#        'stopped': set back, but the report must say that it does not run))
CASES = {
    'stock_today': ('2026-12-06T10:00:00', '', None, stock(), None, [], True),
    # the start time itself runs into the next century while the test runs
    'stock_eve_of_2000': ('1999-12-31T23:59:50', '', None, stock(), None, [], True),
    # set back across the leap day
    'stock_leap_eve': ('2000-02-28T23:59:52', '', None, stock(), None, [], True),
    'stock_12_hour': ('2026-06-15T13:30:00', '/12', None, stock(), None,
                      ['Chip tests run in the mode (BCD, 12-hour)'], True),
    'stock_binary': ('2026-06-15T21:45:00', '/BIN', None, stock(), None,
                     ['Chip tests run in the mode (binary, 24-hour)'], True),
    'stock_binary_12_hour': ('1998-07-04T11:59:00', '/bin /12', None, stock(), None,
                             ['Chip tests run in the mode (binary, 12-hour)'], True),
    'sound_bios': ('2026-12-06T10:00:00', '', [], all_pass(), 16,
                   ['exit code 16', 'Next: set the date to 31 December 1999'], True),
    'sound_bios_12_hour': ('2026-03-01T00:00:05', '/12', [], all_pass(), 16, [], True),
    'sound_bios_binary_from_1999': ('1999-12-31T23:59:55', '/BIN', [], all_pass(), 16, [],
                                    True),
    'plain_century_chip': ('2026-12-06T10:00:00', '', ['FAULT_PLAIN_CENTURY'],
                           all_pass(**{ROLL_2000: 'FAILED'}), 2,
                           ['the clock chip shows 1 Jan 1900 00:00:0',
                            'the BIOS date service reports 1 Jan 1900', '(exit code 2)'], True),
    'plain_century_chip_bios_window': (
        '2026-12-06T10:00:00', '', ['FAULT_PLAIN_CENTURY', 'FAULT_BIOS_WINDOW'],
        all_pass(), 16, ['the chip kept century 19; the BIOS corrects it'], True),
    'bios_1900': ('2026-12-06T10:00:00', '', ['FAULT_BIOS_1900'],
                  all_pass(**{n: 'FAILED' for n in ROLLOVERS + [BIOS_2000, BIOS_LEAP]}), 6,
                  ['the BIOS date service reports 1 Jan 1900', '(exit code 6)'], True),
    'bios_no_leap': ('2026-12-06T10:00:00', '', ['FAULT_NO_LEAP'],
                     all_pass(**{LEAP_29: 'FAILED', BIOS_LEAP: 'FAILED'}), 8,
                     ['the BIOS date service reports 1 Mar 2000',
                      'the BIOS date service refuses the date', '(exit code 8)'], True),
    # After the restart test: the clock must show 1 Jan 2000 at the start
    'restart_check_ready': ('2000-01-01T00:03:00', '/R', [], all_pass(**{RESTART: 'passed'}),
                            0, ['(exit code 0)', 'Next: set the correct date and time'], True),
    'restart_check_1980': ('1980-01-04T00:10:00', '/r', [], all_pass(**{RESTART: 'FAILED'}),
                           2, ['the clock chip shows 4 Jan 1980 00:10:0'], True),
    'clock_stops_when_set': ('2026-12-06T10:00:00', '', ['FAULT_STOPS_WHEN_SET'],
                             all_pass(**{n: 'FAILED' for n in ROLLOVERS}), 2,
                             ['the clock did not turn within five seconds; it shows '
                              '31 Dec 1999 23:59:58',
                              'the clock does not run after it was set',
                              'Set the date and time by hand'], 'stopped'),
    'clock_halted': ('2026-12-06T10:00:00', '', ['FAULT_HALTED'], {CHIP: 'FAILED'}, 1,
                     ['the clock is halted: register B = 82h'], False),
    'no_chip': ('2026-12-06T10:00:00', '', ['FAULT_NO_CHIP'], {CHIP: 'FAILED'}, 1,
                ["time base is not running: register A = FFh", '(exit code 1)'], False),
    # The shipped 2000.exe itself, started by a minimal DOS from a boot floppy ('dos' as
    # faults; 'dos-windows' makes INT 2Fh say that Windows runs). The options are the DOS
    # command tail.
    'dos_exe': ('2026-12-06T10:00:00', '', 'dos', stock(dos=True), None, [], True),
    'dos_exe_12_hour_from_1999': ('1999-12-31T23:59:54', ' /12', 'dos', stock(dos=True),
                                  None, ['Chip tests run in the mode (BCD, 12-hour)'], True),
    'dos_exe_restart_check': ('2000-01-01T00:06:00', ' /R', 'dos',
                              dict(stock(dos=True), **{RESTART: 'passed'}), None, [], True),
    'dos_exe_usage': ('2026-12-06T10:00:00', ' /?', 'dos', {}, 0,
                      ['2000 [/R] [/12] [/BIN]', 'Exit codes: 0 ready'], False),
    'dos_exe_inside_windows': ('2026-12-06T10:00:00', '', 'dos-windows', {}, 1,
                               ['Windows is running'], False),
}


class Failure(Exception):
    pass


def parse_date(text):
    m = re.fullmatch(r'(\d+) (\w{3}) (\d{4}) (\d\d):(\d\d):(\d\d)', text)
    if not m:
        raise Failure(f'not a date: {text!r}')
    d, mon, y, hh, mm, ss = m.groups()
    return dt.datetime(int(y), MONTHS.index(mon) + 1, int(d), int(hh), int(mm), int(ss))


def build_image(args, work, name, faults, options):
    image = os.path.join(work, name + '.img')
    if faults in ('dos', 'dos-windows'):
        exe = open(args.exe, 'rb').read()
        loader = os.path.join(work, 'minidos.bin')
        cmd = [args.nasm, '-f', 'bin', f'-DEXE_SECTORS={(len(exe) + 511) // 512}',
               f"-DCMDTAIL='{options}'", '-o', loader,
               os.path.join(args.source, 'tests', 'bios', 'minidos.asm')]
        if faults == 'dos-windows':
            cmd.insert(3, '-DWINDOWS')
        subprocess.run(cmd, check=True)
        data = open(loader, 'rb').read() + exe
        open(image, 'wb').write(data + bytes(1474560 - len(data)))
        return image
    if faults is None:
        shutil.copyfile(args.image, image)
    else:
        cmd = [args.nasm, '-f', 'bin', '-I', os.path.join(args.source, 'bios') + os.sep,
               '-I', os.path.join(args.source, 'tests', 'bios') + os.sep,
               '-DFIXTURE="faulty_pc.inc"'] + ['-D' + f for f in faults] + \
              ['-o', image, os.path.join(args.source, 'bios', 'floppy.asm')]
        subprocess.run(cmd, check=True)
    if options:
        data = bytearray(open(image, 'rb').read())
        marker = b'OSTREVAN-BOOT-OPTIONS:'
        at = data.index(marker) + len(marker)
        data[at:at + len(options)] = options.encode('ascii')
        open(image, 'wb').write(data)
    return image


class Qmp:
    def __init__(self, path, deadline):
        while True:
            try:
                self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
                self.sock.connect(path)
                break
            except OSError:
                self.sock.close()
                if time.monotonic() > deadline:
                    raise Failure('qemu did not open its QMP socket')
                time.sleep(0.05)
        self.sock.settimeout(10)
        self.buf = b''
        self.reply()                      # greeting
        self.call('qmp_capabilities')

    def reply(self):
        while b'\n' not in self.buf:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise Failure('QMP connection closed')
            self.buf += chunk
        line, self.buf = self.buf.split(b'\n', 1)
        return json.loads(line)

    def call(self, command, **arguments):
        msg = {'execute': command}
        if arguments:
            msg['arguments'] = arguments
        self.sock.sendall(json.dumps(msg).encode() + b'\n')
        while True:
            r = self.reply()
            if 'return' in r:
                return r['return']
            if 'error' in r:
                raise Failure(f'QMP {command}: {r["error"]}')


def run_qemu(args, image, base, work, debug_exit=False):
    """Boots the image; returns (report lines, exit code line value, rtc after, seconds
    from the start of qemu and from the "Clock at the start" line (or None) to the rtc
    query, qemu's own exit status or None)."""
    qmp_path = os.path.join(work, 'qmp.sock')
    cmd = [args.qemu, '-display', 'none', '-serial', 'stdio', '-monitor', 'none',
           '-net', 'none', '-m', '16',
           '-drive', f'file={image},format=raw,if=floppy,readonly=on', '-boot', 'a',
           '-rtc', f'base={base},clock=vm']
    if debug_exit:
        cmd += ['-device', 'isa-debug-exit']
    else:
        cmd += ['-qmp', f'unix:{qmp_path},server=on,wait=off']
    started = time.monotonic()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL)
    lines = []
    code = None
    start_seen = None
    deadline = started + args.timeout
    try:
        os.set_blocking(proc.stdout.fileno(), False)
        pending = b''
        while code is None:
            if time.monotonic() > deadline:
                raise Failure('no "EXIT" line within %d s; report so far:\n  %s'
                              % (args.timeout, '\n  '.join(lines)))
            try:
                chunk = proc.stdout.read()
            except BlockingIOError:
                chunk = None
            if chunk:
                pending += chunk
                while b'\n' in pending:
                    raw, pending = pending.split(b'\n', 1)
                    text = raw.decode('cp1252').rstrip('\r')
                    lines.append(text)
                    if text.startswith('Clock at the start: ') and start_seen is None:
                        start_seen = time.monotonic()
                    m = re.fullmatch(r'EXIT (\d+)', text)
                    if m:
                        code = int(m.group(1))
            elif proc.poll() is not None:
                raise Failure('qemu ended early: ' + proc.stderr.read().decode(errors='replace'))
            else:
                time.sleep(0.05)
        if debug_exit:
            status = proc.wait(timeout=20)
            return lines, code, None, None, status
        qmp = Qmp(qmp_path, deadline)
        tm = qmp.call('qom-get', path='/machine', property='rtc-time')
        now = time.monotonic()
        elapsed = (now - started, None if start_seen is None else now - start_seen)
        rtc = dt.datetime(tm['tm_year'] + 1900, tm['tm_mon'] + 1, tm['tm_mday'],
                          tm['tm_hour'], tm['tm_min'], tm['tm_sec'])
        qmp.call('quit')
        return lines, code, rtc, elapsed, None
    finally:
        if proc.poll() is None:
            proc.kill()
        proc.wait()


def check_case(args, name, work):
    base, options, faults, want_lines, want_exit, want_texts, restored = CASES[name]
    image = build_image(args, work, name, faults, options)
    lines, code, rtc, elapsed, _ = run_qemu(args, image, base, work)
    report = '\n'.join(lines)
    problems = []

    results = {}
    for i, line in enumerate(lines):
        m = re.fullmatch(r'(.+?) \.+ (passed|FAILED|done)', line)
        if m:
            reasons = []
            for follow in lines[i + 1:]:
                if not follow.startswith('    '):
                    break
                reasons.append(follow.strip())
            results[m.group(1)] = (m.group(2), reasons)

    failed_classes = set()
    for label, want in want_lines.items():
        if label not in results:
            problems.append(f'no line for "{label}"')
            continue
        got, reasons = results[label]
        if got == 'FAILED':
            failed_classes.add(CLASS[label])
        if isinstance(want, Either):
            if got == 'FAILED' and not any(t in r for t in want.reasons for r in reasons):
                problems.append(f'"{label}" failed for another reason: {reasons}')
        elif got != want:
            problems.append(f'"{label}": {got}, expected {want} {reasons}')
    for label in results:
        if label not in want_lines and not label.startswith('Clock set back to '):
            problems.append(f'unexpected test line "{label}"')

    expected_exit = want_exit
    if expected_exit is None:
        expected_exit = next((c for c in PRIORITY if c in failed_classes), 16)
    if code != expected_exit:
        problems.append(f'exit code {code}, expected {expected_exit}')
    for text in want_texts:
        if text not in report:
            problems.append(f'missing text {text!r}')

    # The clock after the run: the start time plus the time qemu ran, whether the test set
    # it back or never touched it. Where the report shows the start time (read as a second
    # turned), time is counted from that line; otherwise from the start of qemu, whose
    # clock starts a little after the process does.
    start = dt.datetime.fromisoformat(base)
    since_launch, since_start_line = elapsed
    at_start = [l for l in lines if l.startswith('Clock at the start: ')]
    if at_start and since_start_line is not None:
        shown = parse_date(at_start[0][len('Clock at the start: '):].split(' (')[0])
        expected_now = shown + dt.timedelta(seconds=since_start_line)
        low, high = -2, 2
    else:
        expected_now = start + dt.timedelta(seconds=since_launch)
        low, high = -6, 2
    drift = (rtc - expected_now).total_seconds()
    if restored != 'stopped' and not low <= drift <= high:
        problems.append(f'clock after the run {rtc}, expected about {expected_now:%Y-%m-%d %H:%M:%S}'
                        f' ({drift:+.1f} s)')
    back = [label for label in results if label.startswith('Clock set back to ')]
    if restored:
        want = 'FAILED' if restored == 'stopped' else 'done'
        if len(back) != 1 or results[back[0]][0] != want:
            problems.append(f'no "Clock set back to ... {want}" line')
        else:
            claimed = parse_date(back[0][len('Clock set back to '):])
            lag = (rtc - claimed).total_seconds()
            if not 0 <= lag <= 3:
                problems.append(f'report says the clock was set back to {claimed}, it shows {rtc}')
    elif back:
        problems.append('the clock was set although the chip failed')
    if restored:
        if not at_start:
            problems.append('no "Clock at the start" line')
        else:
            shown = parse_date(at_start[0][len('Clock at the start: '):].split(' (')[0])
            if not 0 <= (shown - start).total_seconds() <= 14:
                problems.append(f'start time shown as {shown}, clock started at {start}')
    print(f'--- {name}: rtc base {base}, options {options!r}, faults {faults}')
    print(report)
    print(f'--- clock after the run: {rtc} (expected about {expected_now:%Y-%m-%d %H:%M:%S})')
    return problems


def check_debug_exit(args, work):
    """The image hands its exit code to the emulator's debug-exit device, so a demo ends
    with qemu's status (2 * code + 1)."""
    image = build_image(args, work, 'debug_exit', ['FAULT_NO_CHIP'], '')
    lines, code, _, _, status = run_qemu(args, image, '2026-12-06T10:00:00', work,
                                         debug_exit=True)
    print('\n'.join(lines))
    if code != 1 or status != 3:
        return [f'EXIT {code}, qemu status {status}; expected EXIT 1, status 3']
    return []


def qemu_usable(qemu):
    if not qemu or not shutil.which(qemu):
        return 'qemu-system-i386 is not installed'
    try:
        r = subprocess.run([qemu, '-machine', 'help'], capture_output=True, timeout=30)
    except (OSError, subprocess.TimeoutExpired) as e:
        return f'qemu-system-i386 does not start: {e}'
    if r.returncode != 0:
        return 'qemu-system-i386 does not start: ' + r.stderr.decode(errors='replace')
    return None


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument('--list', action='store_true', help='print the case names')
    p.add_argument('--case', action='append', help='case to run (default: all)')
    p.add_argument('--image', help='the stock floppy image')
    p.add_argument('--exe', help='2000.exe')
    p.add_argument('--source', default=os.path.join(os.path.dirname(__file__), '..', '..'))
    p.add_argument('--nasm', default='nasm')
    p.add_argument('--qemu', default='qemu-system-i386')
    p.add_argument('--timeout', type=int, default=120)
    args = p.parse_args()
    names = list(CASES) + ['debug_exit']
    if args.list:
        print(';'.join(names))
        return 0
    why = qemu_usable(args.qemu)
    if why:
        print(f'SKIPPED: {why}; the boot-floppy tests need it')
        return SKIP
    failed = 0
    for name in args.case or names:
        with tempfile.TemporaryDirectory(prefix='ostrevan-bios-') as work:
            try:
                problems = check_debug_exit(args, work) if name == 'debug_exit' \
                    else check_case(args, name, work)
            except Failure as e:
                problems = [str(e)]
        for pr in problems:
            print(f'FAIL {name}: {pr}')
        failed += bool(problems)
        print(f'{"ok" if not problems else "FAILED"}: {name}')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
