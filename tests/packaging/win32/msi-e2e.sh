#!/bin/sh
# The Windows installer under wine, in a fresh prefix: a silent install puts both programs in
# Program Files\Kuittikopio with the Start-menu shortcut and an entry in Programs and Features
# (version, publisher, icon of five sizes, no "Change"); the installed kuittikopio-text.exe
# runs; a package of the same version built again and then a newer one each replace it,
# leaving one entry; an older one is refused; the silent uninstall leaves nothing behind.
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
uninstall_entries() {
  "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'
}
installed_versions() {
  uninstall_entries |
    awk '/DisplayName/ { name = $NF } /DisplayVersion/ && name == "Kuittikopio" { print $NF }'
}
entry_value() {  # NAME: the value of the Kuittikopio entry, one block of reg's output
  uninstall_entries | awk -v want="$1" 'BEGIN { RS = "" } /DisplayName +REG_SZ +Kuittikopio(\n|$)/ {
    n = split($0, lines, "\n")
    for (i = 1; i <= n; i++) { split(lines[i], field, /  +/); if (field[2] == want) print field[4] } }'
}
icon_images() {  # the number of images in the icon the entry shows (the product's icon)
  icon=$("$wine" reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *ProductIcon *REG_SZ *[A-Za-z]:\\//p' | tr '\\' /)
  [ -n "$icon" ] && [ -f "$drive_c/$icon" ] && od -An -tu2 -j4 -N2 "$drive_c/$icon" | tr -d ' '
}
install() {  # MSI: installed silently, or fails the test
  "$wine" msiexec /i "$1" /qn </dev/null || fail "msiexec /i $(basename "$1") failed"
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
[ "$(entry_value Publisher)" = "Velkamora Oy" ] || fail "publisher '$(entry_value Publisher)'"
[ "$(entry_value NoModify)" = "0x1" ] || fail "Programs and Features offers Change"
[ "$(entry_value HelpLink)" = "http://www.kassatuki.example/" ] || fail "support link '$(entry_value HelpLink)'"
[ "$(icon_images)" = 5 ] || fail "the entry's icon has '$(icon_images)' images, not 5"
printed=$("$wine" "$installed/kuittikopio-text.exe" --version </dev/null | tr -d '\r')
[ "$printed" = "kuittikopio-text $version" ] || fail "the installed --version printed '$printed'"

echo "== the same version built again replaces it"
"$make_msi" "$version" "$window" "$text" "$icon" "$work/again.msi" >/dev/null 2>&1 ||
  fail "could not build the package again"
install "$work/again.msi"
[ "$(installed_versions)" = "$version" ] || fail "after the rebuilt package: '$(installed_versions)', not one $version"

echo "== a newer package replaces it"
patch=${version##*.}
newer="${version%.*}.$((patch + 1))"
"$make_msi" "$newer" "$window" "$text" "$icon" "$work/newer.msi" >/dev/null 2>&1 ||
  fail "could not build the newer package"
install "$work/newer.msi"
[ "$(installed_versions)" = "$newer" ] || fail "after the upgrade: '$(installed_versions)', not only $newer"

echo "== an older package is refused"
"$make_msi" 0.0.1 "$window" "$text" "$icon" "$work/older.msi" >/dev/null 2>&1 ||
  fail "could not build the older package"
if "$wine" msiexec /i "$work/older.msi" /qn </dev/null; then
  fail "the older package installed over the newer one"
fi
[ "$(installed_versions)" = "$newer" ] || fail "after the refused package: '$(installed_versions)', not $newer"

echo "== msiexec /x /qn"
"$wine" msiexec /x "$work/newer.msi" /qn </dev/null || fail "the silent uninstall failed"
[ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
[ -z "$(installed_versions)" ] || fail "still registered: $(installed_versions)"
echo "PASS: installed, upgraded and removed $(du -k "$msi" | cut -f1) KiB"
