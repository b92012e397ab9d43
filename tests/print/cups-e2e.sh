#!/bin/sh
# Prints through a real CUPS server onto a cups-pdf queue: the window fetches a sample voucher
# and "Tulosta" prints it on the default printer; exactly one job must complete and its PDF
# must hold the copy's lines on the expected number of pages, with no message shown. Then the
# queue refuses jobs, is stopped, denies the user, the server is unreachable, and there is no
# default printer: each time the window must show its own message, keep the commands usable,
# and no job may reach the queue.
#
# Last, kuittikopio-text --pdf must lay its pages out on the default printer's paper size.
#
# Usage: cups-e2e.sh DRIVER TEXT SAMPLES
#   DRIVER: print_cups_driver, TEXT: kuittikopio-text, SAMPLES: kuittikopio-sample-data
# Needs root and the packages cups and printer-driver-cups-pdf; exits 77 (skipped) otherwise.
# Starts cupsd unless one already runs, and stops only the one it started.
set -eu

driver=$1
text=$2
samples=$3
queue=kuittikopio-e2e
skip=77

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the print server test needs root"
  exit $skip
fi
for tool in cupsd lpadmin lpstat cupsaccept cupsreject cupsenable cupsdisable ss pdfinfo pdftotext; do
  if ! command -v "$tool" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$tool" ]; then
    echo "SKIP: $tool is not installed (apt-get install cups printer-driver-cups-pdf poppler-utils)"
    exit $skip
  fi
done
if [ ! -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]; then
  echo "SKIP: printer-driver-cups-pdf is not installed"
  exit $skip
fi
PATH=$PATH:/usr/sbin

cupsd_pid=
previous_default=
work=$(mktemp -d)

cleanup() {
  lpadmin -x "$queue" 2>/dev/null || true
  if [ -n "$previous_default" ]; then
    lpadmin -d "$previous_default" 2>/dev/null || true
  fi
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

wait_for() {  # wait_for SECONDS COMMAND...: until COMMAND succeeds
  tries=$(($1 * 5))
  shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then
      return 1
    fi
    sleep 0.2
  done
}

scheduler_running() { lpstat -r | grep -q "is running"; }
seconds() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(seconds)" 'BEGIN { printf "%.2f s", b - a }'; }

if ! scheduler_running 2>/dev/null; then
  mkdir -p /run/cups
  cupsd -f &
  cupsd_pid=$!
  wait_for 30 scheduler_running || { echo "FAIL: cupsd did not start"; exit 1; }
fi
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')

# cups-pdf writes a job of user U into U's home directory, under PDF.
pdf_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$pdf_dir"
ls "$pdf_dir" >"$work/before"

lpadmin -p "$queue" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d "$queue"
completed_before=$(lpstat -W completed -o "$queue" | wc -l)

echo "== printing on $queue"
started=$(seconds)
run_driver() {  # run_driver FILTER: drives the window offscreen; fails the test if it fails
  if ! QT_QPA_PLATFORM=offscreen "$driver" --gtest_filter="$1" >"$work/driver.out" 2>&1; then
    cat "$work/driver.out"
    echo "FAIL: the window did not behave"
    exit 1
  fi
  cat "$work/driver.out"
}
run_driver '*PrintsOnTheDefaultPrinter'
expected_lines=$(sed -n 's/^lines with text: //p' "$work/driver.out")

jobs_done() {
  [ -z "$(lpstat -W not-completed -o "$queue")" ] &&
    [ "$(lpstat -W completed -o "$queue" | wc -l)" -eq $((completed_before + 1)) ]
}
new_pdf() {
  ls "$pdf_dir" | grep -vxFf "$work/before" | grep '\.pdf$'
}
wait_for 60 jobs_done || { echo "FAIL: no single completed job"; lpstat -W all -o "$queue"; exit 1; }
wait_for 30 new_pdf || { echo "FAIL: no PDF appeared in $pdf_dir"; exit 1; }
if [ "$(new_pdf | wc -l)" -ne 1 ]; then
  echo "FAIL: more than one PDF appeared: $(new_pdf)"
  exit 1
fi
pdf="$pdf_dir/$(new_pdf)"
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
if ! pdfinfo "$pdf" | grep -q '^Page size:.*(A4)$'; then
  echo "FAIL: $pdf is not on the queue's A4 paper"
  exit 1
fi
if [ "$pages" != 1 ]; then
  echo "FAIL: $pdf has $pages pages, the copy fits on 1"
  exit 1
fi
# cups-pdf re-encodes the font, so the text does not read back as letters; its lines do.
lines=$(pdftotext -layout "$pdf" - | grep -c '[^[:space:]]' || true)
if [ "$lines" != "$expected_lines" ]; then
  echo "FAIL: $pdf has $lines lines with text, the copy $expected_lines"
  exit 1
fi
rm -f "$pdf"
echo "OK: one job completed in $(elapsed "$started"), $pdf had 1 page with the $lines lines of the copy"

jobs_seen() { lpstat -W all -o "$queue" 2>/dev/null | wc -l; }

# expect_error DESCRIPTION [SERVER]: the window, talking to SERVER if given, reports the
# description, and nothing is queued
expect_error() {
  jobs_before=$(jobs_seen)
  ls "$pdf_dir" >"$work/before"
  started=$(seconds)
  export EXPECTED_ERROR="$1"
  if [ $# -gt 1 ]; then
    export CUPS_SERVER="$2"
  fi
  run_driver '*ReportsThePrintError*'
  took=$(elapsed "$started")
  unset EXPECTED_ERROR CUPS_SERVER
  if [ "$(jobs_seen)" -ne "$jobs_before" ]; then
    echo "FAIL: a job reached $queue"
    lpstat -W all -o "$queue"
    exit 1
  fi
  sleep 1
  if new_pdf >/dev/null; then
    echo "FAIL: a PDF appeared: $(new_pdf)"
    exit 1
  fi
  echo "OK: \"$1\" shown in $took, no job queued"
}

echo "== printing on a queue that refuses jobs"
cupsreject "$queue"
expect_error "Tulostin $queue ei ota vastaan töitä."
cupsaccept "$queue"

echo "== printing on a stopped queue"
cupsdisable "$queue"
expect_error "Tulostin $queue on pysäytetty; työ jäisi odottamaan."
cupsenable "$queue"

echo "== printing on a queue that denies the user"
lpadmin -p "$queue" -u "deny:$(id -un)"
expect_error "Tulostin $queue ei hyväksynyt työtä: $(lp -d "$queue" /dev/null 2>&1 | sed 's/^lp: //')"
lpadmin -p "$queue" -u allow:all

echo "== the copy as PDF on the default printer's paper"
"$samples" --out "$work/data" >"$work/samples.out"
voucher=$(sed -n 's/^voucher to try: //p' "$work/samples.out")
for paper in Letter A4; do
  lpadmin -p "$queue" -o PageSize=$paper
  "$text" --data "$work/data" --pdf "$work/copy.pdf" "$voucher"
  if ! pdfinfo "$work/copy.pdf" | grep -qi "^Page size:.*($paper)$"; then
    echo "FAIL: the PDF copy is not on $paper paper: $(pdfinfo "$work/copy.pdf" | grep 'Page size')"
    exit 1
  fi
done
echo "OK: the PDF copy followed the default printer from Letter to A4"

echo "== receipt rolls: every column on 80 and 58 mm paper"
# The queue's PPD with a roll of the given width in points as its default paper.
roll_ppd() {  # roll_ppd NAME WIDTH
  size="<</PageSize[$2 842]/ImagingBBox null>>setpagedevice"
  sed -e "s/^\*Default\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\): A4/*Default\1: $1/" \
    -e "/^\*PageSize A4\//a *PageSize $1/$1: \"$size\"" \
    -e "/^\*PageRegion A4\//a *PageRegion $1/$1: \"$size\"" \
    -e "/^\*ImageableArea A4\//a *ImageableArea $1/$1: \"0 0 $2 842\"" \
    -e "/^\*PaperDimension A4\//a *PaperDimension $1/$1: \"$2 842\"" \
    /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
}
# Every word of the PDF lies on its page's width, the longest lines reaching its right tenth.
words_fit() {  # words_fit PDF WIDTH
  page=$(pdfinfo "$1" | sed -n 's/^Page size: *\([0-9.]*\) x.*/\1/p')
  awk -v a="$page" -v b="$2" 'BEGIN { exit !(a - b < 1 && b - a < 1) }' || {
    echo "FAIL: $1 is $page points wide, not $2"
    exit 1
  }
  pdftotext -bbox "$1" - | sed -n 's/.*xMax="\([0-9.]*\)".*/\1/p' |
    awk -v w="$2" '{ if ($1 > max) max = $1 } END { exit !(max > 0.9 * w && max <= w) }' || {
    echo "FAIL: the words of $1 do not end within the last tenth of its width"
    exit 1
  }
}
copy_lines=$("$text" --data "$work/data" "$voucher" | grep -c '[^[:space:]]')
for roll in Roll80:226.77 Roll58:164.41; do
  name=${roll%%:*}
  width=${roll#*:}
  roll_ppd "$name" "$width" >"$work/$name.ppd"
  lpadmin -p "$queue" -P "$work/$name.ppd"
  "$text" --data "$work/data" --pdf "$work/$name.pdf" "$voucher"
  words_fit "$work/$name.pdf" "$width"
  lines=$(pdftotext -layout "$work/$name.pdf" - | grep -c '[^[:space:]]' || true)
  if [ "$lines" != "$copy_lines" ]; then
    echo "FAIL: the PDF copy on $name has $lines lines with text, the copy $copy_lines"
    exit 1
  fi
  ls "$pdf_dir" >"$work/before"
  completed_before=$(lpstat -W completed -o "$queue" | wc -l)
  run_driver '*PrintsOnTheDefaultPrinter'
  wait_for 60 jobs_done || { echo "FAIL: no single completed job on $name"; exit 1; }
  wait_for 30 new_pdf || { echo "FAIL: no PDF appeared in $pdf_dir"; exit 1; }
  words_fit "$pdf_dir/$(new_pdf)" "$width"
  echo "OK: on $name every column of the copy is on the paper, as PDF and printed"
done
lpadmin -p "$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

echo "== printing with the print server on a closed port"
port=49151
while [ -n "$(ss -Htan "( sport = :$port )")" ]; do
  port=$((port - 1))
done
expect_error "Tulostuspalvelin 127.0.0.1:$port ei vastaa." "127.0.0.1:$port"

echo "== printing with no default printer"
lpadmin -x "$queue"
if lpstat -d 2>/dev/null | grep -q '^system default destination:'; then
  echo "SKIP: another default printer is set on this machine"
  exit $skip
fi
expect_error "Oletustulostinta ei ole asetettu."

if [ -n "$cupsd_pid" ]; then
  echo "== printing with the print server stopped"
  kill "$cupsd_pid"
  wait "$cupsd_pid" 2>/dev/null || true
  cupsd_pid=
  expect_error "Tulostuspalvelin $(lpstat -H) ei vastaa."
fi
