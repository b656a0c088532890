#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, headless (null graphics
# driver unless DISPLAY is set on purpose with OSTREVAN_WINE_DISPLAY=1).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# A UTF-8 locale lets Wine spell file names outside ASCII; C.UTF-8 where en_US is not installed.
default_lang=en_US.UTF-8
locale -a 2>/dev/null | grep -qix 'en_US.utf-\?8' || default_lang=C.UTF-8
export LANG=${OSTREVAN_WINE_LANG:-$default_lang}
export LC_ALL=$LANG
"$here/wine-prefix.sh" >/dev/null 2>&1 || "$here/wine-prefix.sh"
if [ "${OSTREVAN_WINE_DISPLAY:-0}" != 1 ]; then unset DISPLAY; fi
exec wine "$@"
