#!/usr/bin/env bash
# Pictures of the report's follow-up windows and printouts for docs/:
#   docs/report-printed-page.png   the first printed page of a sample report (page renderer)
#   docs/letter-printed-page.png   the printed readiness request letter
#   docs/detail-window.png         the detail window over the report, drawn by Wine on a
#                                  virtual X screen (needs the cross build)
#
#   scripts/report-screenshots.sh [build/native] [build/win] [docs]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
native=${1:-$top/build/native}
win=${2:-$top/build/win}
out=${3:-$top/docs}
mkdir -p "$out"
tool="$native/tools/report-pictures/report-pictures"
[ -x "$tool" ] || { echo "report-screenshots: $tool is not built" >&2; exit 1; }
small() { convert "$1" -strip -define png:compression-level=9 "$1"; echo "report-screenshots: $1"; }
"$tool" page "$out/report-printed-page.png" && small "$out/report-printed-page.png"
"$tool" letter "$out/letter-printed-page.png" && small "$out/letter-printed-page.png"

exe="$win/tools/report-pictures/report-pictures.exe"
if [ ! -f "$exe" ]; then
  echo "report-screenshots: $exe is not built (make cross); no picture of the detail window" >&2
  exit 0
fi
for t in Xvfb xdotool import wine; do
  command -v $t >/dev/null || { echo "report-screenshots: $t is missing" >&2; exit 1; }
done
export WINEPREFIX=${OSTREVAN_SHOTS_PREFIX:-$top/build/wineprefix-shots}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
screen=:${OSTREVAN_SHOTS_DISPLAY:-88}
Xvfb "$screen" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$screen
for i in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
if [ ! -f "$WINEPREFIX/.ostrevan-shots" ]; then
  wineboot -i >/dev/null 2>&1 || true
  for f in "Courier New" "Courier"; do reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Mono"; done
  for f in "Arial" "MS Sans Serif"; do reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Sans"; done
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "Impact" /d "Liberation Sans Narrow"
  reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96
  wineserver -w || true
  touch "$WINEPREFIX/.ostrevan-shots"
fi
(cd "$(dirname "$exe")" && wine explorer /desktop=Report,1024x768 report-pictures.exe detail >/dev/null 2>&1) &
found=""
for i in $(seq 100); do
  found=$(xdotool search --name '^Detailed Report$' 2>/dev/null | head -1) || true
  [ -n "$found" ] && break
  sleep 0.2
done
[ -n "$found" ] || { echo "report-screenshots: the detail window did not come up" >&2; exit 1; }
sleep "${OSTREVAN_SHOTS_SETTLE:-2}"
import -display "$screen" -window root -crop "${OSTREVAN_SHOTS_AREA:-610x420+0+0}" +repage "$out/detail-window.png"
small "$out/detail-window.png"
