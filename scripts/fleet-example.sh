#!/bin/sh
# Makes docs/fleet-report.png: the first page of an office report of three example PCs, built
# by ostrevan-scan --fleet from made-up result files, printed to PDF by LibreOffice and drawn by
# Ghostscript; and docs/fleet-report.csv beside it.
# Usage: scripts/fleet-example.sh [build dir]   (default build/native)
set -eu
build=${1:-build/native}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pc() {  # pc NAME LINE... : one PC's folder; each LINE is one record's TAB-separated fields
    name=$1; shift
    mkdir -p "$work/$name"
    for line; do printf '"%s"\r\n' "$line"; done >"$work/$name/Files.y2k"
    printf '"SETUP.EXE\tNone\tNone\tNone\tNone\tNone\tC:\\TEMP\t1"\r\n' >"$work/$name/JFiles.y2k"
}
T=$(printf '\t')
pc FRONT-DESK \
  "Acme Writer${T}Acme${T}3.1${T}3.1${T}Writer${T}Upgrade to Acme Writer 5${T}C:\\ACME${T}4" \
  "Ledger Plus${T}Numbers Ltd${T}2.0${T}2.0${T}Ledger${T}Install patch 2.0a${T}C:\\LEDGER${T}3" \
  "Paint Box${T}Brush Co${T}1.5${T}1.5${T}Paint${T}Nothing to do${T}C:\\PAINT${T}1"
pc ACCOUNTS \
  "Acme Writer${T}Acme${T}3.1${T}3.1${T}Writer${T}Upgrade to Acme Writer 5${T}C:\\ACME${T}4" \
  "Ledger Plus${T}Numbers Ltd${T}2.0${T}2.0${T}Ledger${T}Install patch 2.0a${T}D:\\LEDGER${T}3" \
  "Mail Runner${T}Post Soft${T}4.2${T}4.2${T}Mail${T}Type four-digit years${T}C:\\MAIL${T}5" \
  "Fax Desk${T}Wire Works${T}1.0${T}1.0${T}Fax${T}${T}C:\\FAX${T}0"
pc WORKSHOP \
  "Acme Writer${T}Acme${T}5.0${T}5.0${T}Writer${T}Nothing to do${T}C:\\ACME${T}1" \
  "Chart Maker${T}Graph House${T}2.2${T}2.2${T}Charts${T}Send the letter${T}C:\\CHART${T}2" \
  "Paint Box${T}Brush Co${T}1.5${T}1.5${T}Paint${T}Nothing to do${T}C:\\PAINT${T}1"
"$build/tools/ostrevan-scan/ostrevan-scan" --fleet "$work/office" "$work/FRONT-DESK" "$work/ACCOUNTS" "$work/WORKSHOP"
soffice -env:UserInstallation="file://$work/lo" --headless --convert-to pdf --outdir "$work" "$work/office.rtf" >/dev/null 2>&1
gs -q -dBATCH -dNOPAUSE -sDEVICE=png16m -r100 -dFirstPage=1 -dLastPage=1 -o docs/fleet-report.png "$work/office.pdf"
cp "$work/office.csv" docs/fleet-report.csv
echo "docs/fleet-report.png docs/fleet-report.csv"
