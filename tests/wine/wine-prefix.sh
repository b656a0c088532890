#!/usr/bin/env bash
# Creates the project's Wine prefix once: null graphics driver (no display needed) and the
# Windows font names mapped to Debian's Liberation fonts.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../../build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$(dirname "$WINEPREFIX")"
lock="$WINEPREFIX.lock"
exec 9>"$lock"
flock 9
[ -f "$WINEPREFIX/.ostrevan-ready" ] && exit 0
(unset DISPLAY; wineboot -i >/dev/null 2>&1 || true)
reg() { (unset DISPLAY; wine reg add "$@" /f >/dev/null 2>&1); }
reg 'HKCU\Software\Wine\Drivers' /v Graphics /d null
for f in "Courier New" "Courier"; do reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Mono"; done
for f in "Arial" "MS Sans Serif" "Impact"; do reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d "Liberation Sans"; done
reg 'HKCU\Software\Wine\Fonts\Replacements' /v "Times New Roman" /d "Liberation Serif"
wineserver -w || true
touch "$WINEPREFIX/.ostrevan-ready"
