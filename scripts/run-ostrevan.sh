#!/usr/bin/env bash
# Starts the Windows program from a cross build folder: on Windows directly, on Linux under
# Wine in the project's prefix on the current desktop (DISPLAY). Data and help files are
# copied beside the exe first, as they ship.
set -eu
build=${1:-build/win}
top=$(cd "$(dirname "$0")/.." && pwd)
exe="$build/Ostrevan.exe"
if [ ! -f "$exe" ]; then
  echo "run-ostrevan: $exe was not built (the Windows program is not part of this checkout yet)" >&2
  exit 1
fi
for f in "$top"/data/*.y2k "$top"/data/Help*.rtf; do [ -f "$f" ] && cp -f "$f" "$build/"; done
if [ -z "${DISPLAY:-}" ]; then
  echo "run-ostrevan: no desktop session (DISPLAY is not set); start one, or use scripts/screenshots.sh" >&2
  exit 1
fi
export OSTREVAN_WINE_DISPLAY=1
WINEPREFIX=${WINEPREFIX:-$top/build/wineprefix-desktop}
export WINEPREFIX
# the desktop prefix draws real windows: do not select the null graphics driver there
if [ ! -f "$WINEPREFIX/.ostrevan-ready" ]; then
  WINEDEBUG=-all wineboot -i >/dev/null 2>&1 || true
  for f in "Courier New" "Courier"; do WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Mono" /f >/dev/null 2>&1; done
  touch "$WINEPREFIX/.ostrevan-ready"
fi
cd "$build"
exec env WINEDEBUG=-all wine ./Ostrevan.exe
