#!/usr/bin/env bash
# The end-to-end checks of a Windows build (the shipped 32-bit one where 32-bit Wine runs, else
# the 64-bit one) again with Wine playing older systems
# (HKCU\Software\Wine "Version": win98, win2k, winxp): start-up and the operating-system check,
# the drive list and drive facts, listing, a scan of a small drive, the report, saving, the help
# topics and the copy of 2000.exe. Runs in a copy of the project's prefix, so the default one
# stays as it is.
#   tests/wine/version-modes.sh BUILD_DIR [MODE...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?build folder of a Windows build}" && pwd)
shift
modes=("$@")
[ ${#modes[@]} -gt 0 ] || modes=(win98 win2k winxp)
base=${WINEPREFIX:-$here/../../build/wineprefix}
"$here/wine-prefix.sh"
export WINEPREFIX=$base-modes
if [ ! -f "$WINEPREFIX/.ostrevan-ready" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$base" "$WINEPREFIX"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
tests="$build/tests"
# Test program and the cases of it that make up the end-to-end checks.
checks=(
  "platform:OsIdentityWin32.*:DirListingWin32.HiddenAndSystemEntriesAreNeverListed:DriveServicesWin32.*:CopyWholeFile.*:ProgramDirectory.*"
  "scan:UtilityCopy.*:DriveFacts.*"
  "kb:*"
  "app:MainWindowWin32.*"
  "report:*"
)
# Which family of file functions the drive facts call, from Wine's relay trace of the program's
# calls into KERNEL32 (Wine's own processes call kernelbase): the ANSI ones when Wine plays
# Windows 95/98/ME, the wide ones on the NT family.
family() {
  local mode=$1 want=$2 trace="$build/version-$1-relay.log"
  (cd "$tests" && WINEDEBUG=+relay "$here/wine-run.sh" "$tests/ostrevan_platform_tests.exe" \
     --gtest_filter='DriveServicesWin32.*' >/dev/null 2>"$trace") || true
  local a w
  a=$(grep -cE 'Call KERNEL32\.(GetVolumeInformation|GetDiskFreeSpace|GetDriveType|FindFirstFile)A\(' "$trace" || true)
  w=$(grep -cE 'Call KERNEL32\.(GetVolumeInformation|GetDiskFreeSpace|GetDriveType|FindFirstFile)W\(' "$trace" || true)
  rm -f "$trace"
  echo "version-modes: $mode drive facts: $a ANSI calls, $w wide calls"
  if [ "$want" = ansi ]; then [ "$a" -gt 0 ] && [ "$w" -eq 0 ]; else [ "$w" -gt 0 ] && [ "$a" -eq 0 ]; fi
}

status=0
for mode in "${modes[@]}"; do
  (unset DISPLAY; wine reg add 'HKCU\Software\Wine' /v Version /d "$mode" /f >/dev/null 2>&1)
  wineserver -w
  want=wide
  [ "$mode" = win98 ] && want=ansi
  family "$mode" "$want" || { echo "version-modes: $mode: expected the $want file functions"; status=1; }
  for c in "${checks[@]}"; do
    suite=${c%%:*}
    filter=${c#*:}
    exe="$tests/ostrevan_${suite}_tests.exe"
    [ -f "$exe" ] || continue
    if (cd "$tests" && OSTREVAN_WINE_VERSION=$mode "$here/wine-run.sh" "$exe" --gtest_filter="$filter" \
          --gtest_brief=1 >"$build/version-$mode-$suite.log" 2>&1); then
      echo "version-modes: $mode $suite: $(grep -o 'PASSED.*' "$build/version-$mode-$suite.log" | head -n 1)"
    else
      echo "version-modes: $mode $suite FAILED (log: $build/version-$mode-$suite.log)"
      tail -n 30 "$build/version-$mode-$suite.log"
      status=1
    fi
  done
done
exit $status
