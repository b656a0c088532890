#!/usr/bin/env bash
# Pictures of every page of the wizard, taken from the Windows program running under Wine on a
# virtual X screen, so that the program can be seen without a Windows machine.
#
#   scripts/screenshots.sh [build/win] [docs/screenshots]
#
# The program runs in a Wine virtual desktop of 1024 by 768 pixels at 96 DPI, in a prefix of its
# own that draws real windows (no null graphics driver). xdotool presses the buttons like a user;
# the scan walks the prefix's drive C: and the report shows what it found there.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/win}" && pwd)
out=${2:-$top/docs/screenshots}
exe="$build/Ostrevan.exe"
[ -f "$exe" ] || { echo "screenshots: $exe is not built (make cross)" >&2; exit 1; }
for t in Xvfb xdotool import wine; do
  command -v $t >/dev/null || { echo "screenshots: $t is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
mkdir -p "$out"
for f in "$top"/data/*.y2k "$top"/data/Help*.rtf; do cp -f "$f" "$build/"; done
rm -f "$build/Files.y2k" "$build/JFiles.y2k"

# OSTREVAN_SHOTS_WINVER=win98 (or win2k, winxp) has Wine play that system, in a prefix of its own.
winver=${OSTREVAN_SHOTS_WINVER:-}
export WINEPREFIX=${OSTREVAN_SHOTS_PREFIX:-$top/build/wineprefix-shots${winver:+-$winver}}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
screen=:${OSTREVAN_SHOTS_DISPLAY:-87}
Xvfb "$screen" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$screen  # before wine starts: the prefix must draw on this screen
for i in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

reg() { wine reg add "$@" /f >/dev/null 2>&1; }
if [ ! -f "$WINEPREFIX/.ostrevan-shots" ]; then
  wineboot -i >/dev/null 2>&1 || true
  for f in "Courier New" "Courier"; do reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Mono"; done
  for f in "Arial" "MS Sans Serif"; do reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Sans"; done
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "Impact" /d "Liberation Sans Narrow"
  reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96
  wineserver -w || true
  [ -z "$winver" ] || reg 'HKCU\Software\Wine' /v Version /d "$winver"
  wineserver -w || true
  touch "$WINEPREFIX/.ostrevan-shots"
fi

# More programs on C: (hard links, no extra space), so that the scanning page stays up long
# enough to be seen.
progs="$WINEPREFIX/drive_c/Programs"
if [ ! -d "$progs" ]; then
  for n in $(seq 24); do
    mkdir -p "$progs/Set$n"
    cp -l "$WINEPREFIX"/drive_c/windows/system32/*.exe "$progs/Set$n/" 2>/dev/null || true
  done
fi

# The program is installed in C:\Ostrevan of the prefix and started there, so that its drive
# lists begin at C: and the scan walks the prefix's own drive C:.
inst="$WINEPREFIX/drive_c/Ostrevan"
rm -rf "$inst"
mkdir -p "$inst"
cp -f "$exe" "$inst/"
for f in "$build"/2000.exe "$top"/data/*.y2k "$top"/data/Help*.rtf; do [ -f "$f" ] && cp -f "$f" "$inst/"; done
(cd "$inst" && wine explorer /desktop=Ostrevan,1024x768 'C:\Ostrevan\Ostrevan.exe' >/dev/null 2>&1) &
desk=""
for i in $(seq 100); do
  desk=$(xdotool search --name '^Ostrevan - Wine desktop$' 2>/dev/null | head -1) || true
  [ -n "$desk" ] && break
  sleep 0.2
done
[ -n "$desk" ] || { echo "screenshots: the Wine desktop did not come up" >&2; exit 1; }
sleep "${OSTREVAN_SHOTS_SETTLE:-4}"

# Points are pixels of the desktop. The main window opens at its top-left corner; a click on
# its page activates it, and Enter then presses Next, its default button.
main_click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.3; }
next() { main_click 540 120; xdotool key Return; sleep "${1:-1}"; }
grab() { import -display "$screen" -window root "$1"; }
# The main window alone: the desktop's colour around it is cut away.
shot() {
  local full="$out/.full.png"
  grab "$full"
  local bg
  bg=$(convert "$full" -format '%[pixel:p{1000,10}]' info:)
  convert "$full" -crop 564x430+0+0 +repage -bordercolor "$bg" -border 1 -fuzz 2% -trim +repage "$out/$1.png"
  rm -f "$full"
  echo "screenshots: $out/$1.png"
}
# The Next button's pixels: they change when the button is disabled and come back after a scan.
next_button() { import -display "$screen" -window root -crop 70x30+285+322 +repage "$1"; }

grab "$out/desktop.png"; echo "screenshots: $out/desktop.png"
shot 1-welcome
next; shot 2-mode
next; shot 3-drive
next_button "$out/.next-enabled.png"
next "${OSTREVAN_SHOTS_SCANNING:-0.3}"; shot 4-scanning
for i in $(seq "${OSTREVAN_SHOTS_SCAN:-300}"); do
  next_button "$out/.next-now.png"
  cmp -s <(convert "$out/.next-enabled.png" rgb:-) <(convert "$out/.next-now.png" rgb:-) && break
  sleep 1
done
rm -f "$out/.next-enabled.png" "$out/.next-now.png"
sleep 1
shot 5-report
# The report control keeps Enter for itself: Next is pressed with the mouse.
main_click 320 337; sleep 1; shot 6-bios
