#!/usr/bin/env bash
# Takes docs/screenshot.png: the window under a virtual X display (Xvfb) with the copy of the
# sample data's suggested voucher fetched; and docs/search-dialog.png: the "Etsi kuitti" dialog
# with a week of receipts found, framed by a window manager (openbox). Run from anywhere after
# a configure of the build directory (default: build; KUITTI_BUILD_DIR=... for another).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${KUITTI_BUILD_DIR:-build}
cmake --build "$build" --target kuittikopio-screenshot kuittikopio-sample-data

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
voucher=$("$build/tools/kuittikopio-sample-data" --out "$data" | sed -n 's/^voucher to try: //p')

mkdir -p docs
# Finnish regional settings, as in the shop: a comma as the decimal separator.
LC_ALL=fi_FI.UTF-8 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24" \
  "$build/tools/kuittikopio-screenshot" "$data" "$voucher" docs/screenshot.png
echo "docs/screenshot.png: voucher $voucher"

LC_ALL=fi_FI.UTF-8 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  openbox & manager=$!
  sleep 1
  "$0" --search "$1" 20.03.2025 27.03.2025 docs/search-dialog.png
  status=$?
  kill "$manager"
  exit "$status"' "$build/tools/kuittikopio-screenshot" "$data"
echo "docs/search-dialog.png: 20.03.2025 to 27.03.2025"
