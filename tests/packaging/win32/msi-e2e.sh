#!/bin/sh
# The Windows installer under wine, in a fresh prefix: a silent install puts both programs in
# Program Files\Kuittikopio with the Start-menu shortcut and the version, the installed
# kuittikopio-text.exe runs, a newer package replaces it, and the silent uninstall leaves no
# file of it behind.
# Usage: msi-e2e.sh WINE64 MAKE_MSI MSI VERSION WINDOW.exe TEXT.exe ICON.ico
set -eu
wine=$1
make_msi=$2
msi=$3
version=$4
window=$5
text=$6
icon=$7

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
fail() {
  echo "FAIL: $*"
  exit 1
}

"$wine" wineboot --init </dev/null >/dev/null 2>&1 || fail "no wine prefix"
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Kuittikopio"

leftovers() {  # every file or folder of the product anywhere in the prefix's drive C
  find "$drive_c" -iname '*kuittikopio*' -not -path '*/windows/Installer/*' 2>/dev/null
  find "$drive_c/windows/Installer" -iname '*kuittikopio*' 2>/dev/null
}
installed_versions() {
  "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | awk '/DisplayName/ { name = $NF } /DisplayVersion/ && name == "Kuittikopio" { print $NF }'
}

echo "== msiexec /i $(basename "$msi") /qn"
[ -s "$msi" ] || fail "$msi was not built (the msi target)"
"$wine" msiexec /i "$msi" /qn </dev/null || fail "the silent install failed"
for program in kuittikopio.exe kuittikopio-text.exe; do
  [ -f "$installed/$program" ] || fail "no $program in Program Files\\Kuittikopio"
done
[ "$(ls "$installed" | wc -l)" -eq 2 ] || fail "more than the two programs installed: $(ls "$installed")"
leftovers | grep -q '/Start Menu/Programs/Kuittikopio.lnk$' || fail "no Start-menu shortcut"
[ "$(installed_versions)" = "$version" ] || fail "installed version '$(installed_versions)', not $version"
printed=$("$wine" "$installed/kuittikopio-text.exe" --version </dev/null | tr -d '\r')
[ "$printed" = "kuittikopio-text $version" ] || fail "the installed --version printed '$printed'"

echo "== a newer package replaces it"
patch=${version##*.}
newer="${version%.*}.$((patch + 1))"
"$make_msi" "$newer" "$window" "$text" "$icon" "$work/newer.msi" >/dev/null 2>&1 ||
  fail "could not build the newer package"
"$wine" msiexec /i "$work/newer.msi" /qn </dev/null || fail "the upgrade failed"
[ "$(installed_versions)" = "$newer" ] || fail "after the upgrade: '$(installed_versions)', not only $newer"

echo "== msiexec /x /qn"
"$wine" msiexec /x "$work/newer.msi" /qn </dev/null || fail "the silent uninstall failed"
[ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
[ -z "$(installed_versions)" ] || fail "still registered: $(installed_versions)"
echo "PASS: installed, upgraded and removed $(du -k "$msi" | cut -f1) KiB"
