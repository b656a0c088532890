#!/usr/bin/env bash
# The scanner's progress bar is drawn only on a terminal: run in a pseudo-terminal (util-linux's
# `script`) its standard error carries the bar; sent to a file it carries none, and the counts
# on standard output are the same either way.
#   progress_terminal.sh "RUNNER" SCANNER DATA_DIR DRIVE_DIR PATH_STYLE
# RUNNER is empty or the Wine wrapper; PATH_STYLE "unix" or "wine" (folders given as Z:\...).
set -eu
runner=$1 scanner=$2 data=$3 drive=$4 style=$5
command -v script >/dev/null || { echo "progress_terminal: util-linux's script is missing"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
win() { if [ "$style" = wine ]; then printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; else printf '%s' "$1"; fi; }
mkdir -p "$work/results"
args="--data '$(win "$data")' --results '$(win "$work/results")' --map 'C:=$(win "$drive")' --os none C:"
# In a terminal: standard error and output share it.
script -qec "$runner '$scanner' $args" "$work/tty.log" >/dev/null </dev/null
# Wine's console draws what the program writes with its own cursor movements, so the terminal's
# text is compared without escape sequences, line ends and blanks.
plain() { sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' "$1" | tr -d '\r \t'; }
plain "$work/tty.log" | grep -q '\[#*\]*[0-9]*%' || { echo "progress_terminal: no progress bar on the terminal:"; cat -v "$work/tty.log"; exit 1; }
# Standard error to a file: no bar, no terminal controls.
eval "$runner '$scanner' $args" >"$work/out.txt" 2>"$work/err.txt" </dev/null
if grep -q $'\r' "$work/err.txt" || grep -q $'\x1b' "$work/err.txt"; then
  echo "progress_terminal: a progress bar went to a file:"; cat -v "$work/err.txt"; exit 1
fi
# The counts printed at the end are the same in both runs.
last=$(tr -d '\r \t' <"$work/out.txt" | grep -v '^$' | tail -n 1)
[ -n "$last" ] && plain "$work/tty.log" | grep -qF "$last" || { echo "progress_terminal: the counts differ: $last"; exit 1; }
echo "progress_terminal: bar on a terminal, none in a file"
