#!/bin/sh
# No DLL planted beside the programs is loaded. Their import tables name only DLLs that
# Windows always takes from System32 (the KnownDLLs) and, for the window, the Common Controls
# that its manifest takes from WinSxS. Then, under wine told to prefer a DLL found on the
# search path (as Windows does), a stand-in winspool.drv beside them that leaves a marker
# when loaded: a program searching the default way loads it, which shows the test can see
# it; both programs and the printing layer, which loads the spooler when it looks up the
# default printer, do not.
# Usage: dll-planting.sh WINE64 OBJDUMP PLANTED.dll LOAD_SPOOLER.exe WINDOW.exe TEXT.exe
set -eu
wine=$1
objdump=$2
planted=$3
load_spooler=$4
window=$5
text=$6

fail() {
  echo "FAIL: $*"
  exit 1
}

echo "== import tables"
for program in "$window" "$text"; do
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | tr -d '\r')
  echo "$(basename "$program"): $(echo $imports)"
  for dll in $imports; do
    case "$dll" in
      kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll) ;;
      comctl32.dll) [ "$program" = "$window" ] || fail "$(basename "$program") imports $dll" ;;
      *) fail "$(basename "$program") imports $dll, which Windows may take from beside it" ;;
    esac
  done
done
grep -q 'Microsoft.Windows.Common-Controls' "$window" ||
  fail "the window has no manifest naming the Common Controls"

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winspool.drv=n,b;winemenubuilder.exe=d"
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
"$wine" wineboot --init </dev/null >/dev/null 2>&1 || fail "no wine prefix"

folder="$work/Downloads/kuittikopio"
mkdir -p "$folder"
cp "$window" "$folder/kuittikopio.exe"
cp "$text" "$folder/kuittikopio-text.exe"
cp "$load_spooler" "$folder/load_spooler.exe"
cp "$planted" "$folder/winspool.drv"
marker="$work/planted-dll-was-loaded"
export KUITTI_PLANTED_MARKER="$(echo "Z:$marker" | tr / '\\')"

run() {  # NAME ARGUMENTS...: runs the program in the planted folder, at most 10 s
  name=$1
  shift
  rm -f "$marker"
  (cd "$folder" && timeout 10 "$wine" "$folder/$name" "$@" </dev/null >/dev/null 2>&1) || true
}

echo "== a program searching the default way"
run load_spooler.exe plain
[ -f "$marker" ] || fail "the stand-in winspool.drv was not loaded even by a plain search"
run load_spooler.exe system
[ ! -f "$marker" ] || fail "System32 only, yet the stand-in was loaded"

echo "== the programs"
run kuittikopio-text.exe --version
[ ! -f "$marker" ] || fail "kuittikopio-text.exe loaded the planted winspool.drv"
run load_spooler.exe printing
[ ! -f "$marker" ] || fail "the printing layer loaded the planted winspool.drv"
run kuittikopio.exe
[ ! -f "$marker" ] || fail "kuittikopio.exe loaded the planted winspool.drv"
echo "PASS: no planted DLL loaded"
