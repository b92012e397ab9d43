#!/bin/sh
# kuittikopio.exe under wine on a virtual display, driven with xdotool as staff would, printing
# through a real CUPS server onto a cups-pdf default queue:
# - typed number and Enter: Text1 holds exactly kuittikopio-text.exe's copy;
# - "Tulosta": one completed job, whose PDF holds the copy's lines;
# - Ctrl+F, Enter, Ctrl+P: the newest receipt printed; "M…-001" fetches its voucher; keys
#   typed into the copy box change nothing;
# - a queue that rejects jobs: the print reports 482 and both commands come back;
# - a long text prints on several pages (the GDI printer's page break);
# - a second start ends and brings the minimised window back; Alt+F4 ends the program.
# With SHOTS=DIR set, screenshots of the window, the search dialog and a print error go there.
#
# Usage: window-e2e.sh WINE64 KUITTIKOPIO.exe TEXT.exe SAMPLES.exe PROBE.exe PRINT_FILE.exe
# Needs root, CUPS with cups-pdf, Xvfb, xdotool and pdftotext; exits 77 (skipped) otherwise.
# Starts cupsd unless one already runs, and stops only the one it started.
set -eu

wine=$1
window=$2
text=$3
samples=$4
probe=$5
print_file=$6
queue=kuittikopio-wine-e2e
skip=77

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the print server test needs root"
  exit $skip
fi
PATH=$PATH:/usr/sbin
for tool in cupsd lpadmin lpstat cupsaccept cupsreject Xvfb xdotool pdftotext pdfinfo qpdf; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit $skip; }
done
[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || { echo "SKIP: no cups-pdf"; exit $skip; }

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Finnish regional settings where the machine has them: the decimal comma, Finnish dates.
if locale -a 2>/dev/null | grep -qix 'fi_FI.utf8'; then
  export LC_ALL=fi_FI.UTF-8
fi
cupsd_pid=
xvfb_pid=
previous_default=
cleanup() {
  set +e
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
  fi
  lpadmin -x "$queue" 2>/dev/null
  if [ -n "$previous_default" ]; then
    lpadmin -d "$previous_default" 2>/dev/null
  fi
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
fail() {
  echo "FAIL: $*"
  if [ -n "${DISPLAY:-}" ] && [ -n "${SHOTS:-}" ]; then
    shot failure
  fi
  exit 1
}
wait_for() {  # wait_for SECONDS COMMAND...: until COMMAND succeeds
  tries=$(($1 * 5))
  shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.2
  done
}
seconds() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(seconds)" 'BEGIN { printf "%.1f s", b - a }'; }
shot() {  # shot NAME: the whole display into $SHOTS/NAME.png
  if [ -n "${SHOTS:-}" ]; then
    mkdir -p "$SHOTS"
    import -window root "$SHOTS/$1.png"
  fi
}

# The print server with the PDF queue as the default printer, before wine starts.
scheduler_running() { lpstat -r | grep -q "is running"; }
if ! scheduler_running 2>/dev/null; then
  mkdir -p /run/cups
  cupsd -f </dev/null >/dev/null 2>&1 &
  cupsd_pid=$!
  wait_for 30 scheduler_running || fail "cupsd did not start"
fi
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' |
  grep -vxF "$queue" || true)
lpadmin -p "$queue" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d "$queue"
pdf_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$pdf_dir"

# The display, a window manager when there is one, and a wine prefix with the setting.
displayfile="$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
wait_for 10 test -s "$displayfile" || fail "Xvfb did not start"
DISPLAY=:$(cat "$displayfile")
export DISPLAY
if command -v openbox >/dev/null 2>&1; then
  openbox >/dev/null 2>&1 &
fi
started=$(seconds)
"$wine" wineboot --init </dev/null >/dev/null 2>&1 || fail "no wine prefix"
# Windows has the bitmap face "Courier" of the copy box; Debian's wine finds its own only here.
cp /usr/share/wine/fonts/coure.fon "$WINEPREFIX/drive_c/windows/Fonts/"
mkdir -p "$work/data"
"$wine" "$samples" --out 'Z:'"$(echo "$work/data/" | tr / '\\')" >"$work/samples.out" </dev/null
voucher=$(tr -d '\r' <"$work/samples.out" | sed -n 's/^voucher to try: //p')
[ -n "$voucher" ] || fail "no sample voucher"
"$wine" reg add 'HKCU\Software\VB and VBA Program Settings\Velkamora Oy\Asiakas' /v Datat \
  /d 'Z:'"$(echo "$work/data/" | tr / '\\')" /f </dev/null >/dev/null 2>&1
echo "prefix, data and setting ready in $(elapsed "$started")"

first_window() {  # first_window NAME: the first visible window of that exact name; fails without
  found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
  [ -n "$found" ] && echo "$found"
}
form() { first_window 'Korvex - Tarjolux'; }
probe() { "$wine" "$probe" "$@" </dev/null; }
state() { probe state | tr -d '\r'; }
message() { probe message | tr -d '\r'; }
press() { xdotool key --delay 50 "$@"; }

echo "== typed number and Enter"
started=$(seconds)
"$wine" "$window" </dev/null >"$work/window.out" 2>&1 &
window_pid=$!
wait_for 30 form || fail "the window did not appear"
echo "window shown in $(elapsed "$started")"
# Keys go to the window that has the X input focus, once wine has given it.
has_focus() { [ "$(xdotool getwindowfocus)" = "$(form)" ]; }
xdotool windowactivate "$(form)" 2>/dev/null || true
wait_for 10 has_focus || fail "the window never got the keyboard focus"
xdotool type --delay 50 "$voucher"
press Return
"$wine" "$text" "$voucher" </dev/null >"$work/expected.txt"
copy_shown() { probe copy >"$work/shown.txt" && cmp -s "$work/shown.txt" "$work/expected.txt"; }
wait_for 20 copy_shown || {
  diff "$work/expected.txt" "$work/shown.txt" | head -5
  echo "state: $(state); message: $(message)"
  fail "Text1 does not hold kuittikopio-text.exe's copy of $voucher"
}
echo "OK: Text1 holds the $(wc -l <"$work/expected.txt")-line copy, byte for byte"
shot window

echo "== Tulosta on the default printer"
ls "$pdf_dir" >"$work/before"
completed_before=$(lpstat -W completed -o "$queue" | wc -l)
started=$(seconds)
# The focus is back in Text2; Tab, Tab reaches "Tulosta" in the table's order.
press Tab Tab Return
jobs_done() {
  [ -z "$(lpstat -W not-completed -o "$queue")" ] &&
    [ "$(lpstat -W completed -o "$queue" | wc -l)" -eq $((completed_before + 1)) ]
}
new_pdf() { ls "$pdf_dir" | grep -vxFf "$work/before" | grep '\.pdf$'; }
wait_for 60 jobs_done || { lpstat -W all -o "$queue"; message || true; fail "no single completed job"; }
wait_for 30 new_pdf || fail "no PDF appeared in $pdf_dir"
pdf="$pdf_dir/$(new_pdf | head -1)"
echo "one job completed and its PDF written in $(elapsed "$started")"
# wine's PDF writes "-" as a soft hyphen, and its text comes back with the spaces between the
# columns counted afresh: the lines are compared with each run of spaces as one.
pdftotext -layout "$pdf" - | sed 's/\xc2\xad/-/g; s/[[:space:]]*$//; s/^ *//' | tr -s ' ' \
  >"$work/printed.txt"
tr -d '\r' <"$work/expected.txt" | sed 's/[[:space:]]*$//; s/^ *//' | tr -s ' ' | grep . \
  >"$work/expected-lines.txt"
missing=$(grep -vxFf "$work/printed.txt" "$work/expected-lines.txt" | head -3 || true)
[ -z "$missing" ] || { cat "$work/printed.txt"; fail "lines of the copy missing from the PDF: $missing"; }
echo "OK: the PDF holds all $(wc -l <"$work/expected-lines.txt") lines of the copy"
rm -f "$pdf"
[ "$(state)" = "windows=1 iconic=0 visible=1 hae=1 tulosta=1" ] || fail "after the print: $(state)"

echo "== Ctrl+S: the copy saved as a PDF where the user chooses"
save_dialog() { first_window 'Tallenna PDF-tiedostoksi'; }
press ctrl+s
wait_for 30 save_dialog || fail "Ctrl+S opened no save dialog"
shot save-dialog
press ctrl+a
xdotool type --delay 20 'Z:'"$(echo "$work/kopio.pdf" | tr / '\\')"
press Return
wait_for 20 test -s "$work/kopio.pdf" || { message || true; fail "no PDF saved"; }
qpdf --check "$work/kopio.pdf" >/dev/null || fail "the saved PDF is not sound"
pdftotext -layout "$work/kopio.pdf" - | sed 's/[[:space:]]*$//; s/^ *//' | tr -s ' ' \
  >"$work/saved.txt"
missing=$(grep -vxFf "$work/saved.txt" "$work/expected-lines.txt" | head -3 || true)
[ -z "$missing" ] || fail "lines of the copy missing from the saved PDF: $missing"
[ "$(state)" = "windows=1 iconic=0 visible=1 hae=1 tulosta=1" ] || fail "after saving: $(state)"
echo "OK: the saved PDF holds all $(wc -l <"$work/expected-lines.txt") lines of the copy"

echo "== Tulosta on a queue that rejects jobs"
cupsreject "$queue"
jobs_before=$(lpstat -W all -o "$queue" | wc -l)
press Tab Tab Return
wait_for 20 message || fail "no message box after the rejected print"
case "$(message)" in
  "Tulostusvirhe. Virhenumero:482  "?*) echo "OK: $(message)" ;;
  *) fail "the message is '$(message)'" ;;
esac
shot print-error
press Return
wait_for 10 sh -c '! "$0" "$1" message' "$wine" "$probe" || fail "the message box stayed"
[ "$(state)" = "windows=1 iconic=0 visible=1 hae=1 tulosta=1" ] || fail "after the error: $(state)"
[ "$(lpstat -W all -o "$queue" | wc -l)" -eq "$jobs_before" ] || fail "a job reached $queue"
cupsaccept "$queue"
echo "OK: both commands back, no job queued"

echo "== the latest receipt in three keys: Ctrl+F, Enter, Ctrl+P"
# The newest receipt is the last receipt total of the file, the last line of the whole listing.
newest=$("$wine" "$text" --find </dev/null | tr -d '\r' | tail -1 | cut -c2-7)
"$wine" "$text" "$newest" </dev/null >"$work/expected.txt"
ls "$pdf_dir" >"$work/before"
completed_before=$(lpstat -W completed -o "$queue" | wc -l)
press ctrl+f
search() { first_window 'Etsi kuitti'; }
wait_for 10 search || fail "Ctrl+F did not open Etsi kuitti"
sleep 1
shot search-newest
press Return
wait_for 20 copy_shown || fail "Ctrl+F, Enter did not fetch the newest receipt $newest"
press ctrl+p
wait_for 60 jobs_done || { lpstat -W all -o "$queue"; message || true; fail "Ctrl+P: no single completed job"; }
wait_for 30 new_pdf || fail "Ctrl+P: no PDF appeared in $pdf_dir"
pdf="$pdf_dir/$(new_pdf | head -1)"
pdftotext -layout "$pdf" - | sed 's/\xc2\xad/-/g' | grep -q "tositenumero M$newest-001" || fail "the PDF is not of M$newest-001"
rm -f "$pdf"
echo "OK: Ctrl+F, Enter, Ctrl+P printed the newest receipt M$newest-001"

echo "== the number as the copy prints it, and a copy no key changes"
"$wine" "$text" "$voucher" </dev/null >"$work/expected.txt"
xdotool type --delay 50 "M$voucher-001"
press Return
wait_for 20 copy_shown || fail "M$voucher-001 did not fetch $voucher"
# Shift+Tab twice reaches the copy box; nothing typed there stays.
press shift+Tab shift+Tab ctrl+End
xdotool type --delay 50 "xyz"
press Delete BackSpace Return
sleep 1
copy_shown || fail "keys typed into the copy box changed it"
echo "OK: M$voucher-001 fetched $voucher, and keys typed into the copy changed nothing"
press Tab Tab

echo "== Etsi kuitti"
press ctrl+f
wait_for 10 search || fail "Ctrl+F did not open Etsi kuitti"
# Every day, then the number: the dialog opens in the list, and Tab goes on past its buttons to
# "Päivä"; Space unticks it, which disables the day pickers, and Tab goes on from field to
# field.
press Tab Tab Tab space Tab Tab Tab
xdotool type --delay 50 "$(echo "$voucher" | sed 's/^0*//')"
press Return
sleep 1
shot search-dialog
press Return
wait_for 10 sh -c '[ -z "$(xdotool search --onlyvisible --name "^Etsi kuitti\$")" ]' ||
  fail "picking the row did not close the dialog"
wait_for 20 copy_shown || fail "the picked receipt was not fetched"
echo "OK: the search found $voucher, and picking it fetched its copy"

echo "== a long text on several pages"
ls "$pdf_dir" >"$work/before"
seq -f 'rivi %03g' 1 150 | sed 's/$/\r/' >"$work/long.txt"
# wine now and then fails to start a program when thousands have started before; the
# driver's own failure is exit status 2, with its report.
for _ in 1 2 3; do
  status=0
  "$wine" "$print_file" 'Z:'"$(echo "$work/long.txt" | tr / '\\')" </dev/null || status=$?
  if [ "$status" -eq 0 ] || [ "$status" -eq 2 ]; then
    break
  fi
  echo "the print driver did not start (exit status $status); once more"
done
[ "$status" -eq 0 ] || fail "the long text did not print (exit status $status)"
wait_for 30 new_pdf || fail "no PDF of the long text"
sleep 1
pdf="$pdf_dir/$(new_pdf | head -1)"
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$pages" -ge 2 ] || fail "150 lines on $pages page"
printed=$(pdftotext -layout "$pdf" - | tr -d '\f' | grep -c '^rivi [0-9][0-9][0-9]$' || true)
[ "$printed" -eq 150 ] || fail "$printed of the 150 lines printed"
echo "OK: 150 lines on $pages pages, none lost at a page break"
rm -f "$pdf"

echo "== a second start"
xdotool windowminimize --sync "$(form)"
minimised() { state | grep -q "iconic=1"; }
wait_for 10 minimised || fail "the window could not be minimised: $(state)"
started=$(seconds)
"$wine" "$window" </dev/null || fail "the second start failed"
echo "the second start ended in $(elapsed "$started")"
wait_for 10 sh -c '"$0" "$1" state | grep -q "windows=1 iconic=0 visible=1"' "$wine" "$probe" ||
  fail "the running window was not brought back: $(state)"
echo "OK: one window, restored"

echo "== Alt+F4"
xdotool windowactivate --sync "$(form)" 2>/dev/null || true
press alt+F4
wait_for 10 sh -c '! kill -0 "$0" 2>/dev/null' "$window_pid" || fail "Alt+F4 did not end the program"
wait "$window_pid" || fail "the program ended with status $?"
echo "PASS"
