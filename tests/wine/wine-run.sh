#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, headless (null graphics
# driver unless DISPLAY is set on purpose with OSTREVAN_WINE_DISPLAY=1).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=${OSTREVAN_WINE_LANG:-en_US.UTF-8}
export LC_ALL=$LANG
"$here/wine-prefix.sh" >/dev/null 2>&1 || "$here/wine-prefix.sh"
if [ "${OSTREVAN_WINE_DISPLAY:-0}" != 1 ]; then unset DISPLAY; fi
exec wine "$@"
