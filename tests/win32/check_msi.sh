#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer as a school's deployment runs it, under Wine: a silent install puts the
# program, its texts, the Start-menu shortcut and the uninstall entry in place; the installed
# program opens its window; a later version installed over it replaces it; a silent
# uninstall leaves none of it behind.
#   check_msi.sh INSTALLER.msi PROBE.exe MAKE_MSI...   (through under_wine.sh --host)
# MAKE_MSI... is the command that built the installer, up to its version.
set -eu
msi=$1
probe=$2
shift 2
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Vazrazhdane"
name="История - възрожденци и печатни издания"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
complain() { echo "FAIL: $*"; failed=1; }
shortcuts() { find "$drive" -name "$name.lnk" 2>/dev/null; }
entry() {  # the uninstall entries, exported as Unicode
    wine reg export "$uninstall" "$out/entries.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$out/entries.reg" | tr -d '\r' > "$out/entries"
}

wine msiexec /x "$msi" /qn >/dev/null 2>&1 || true   # what an earlier run may have left
wine msiexec /i "$msi" /qn || complain "the silent install failed"
for file in vazrazhdane.exe README-BG.txt LICENSE.txt; do
    [ -f "$folder/$file" ] || complain "not installed: Program Files/Vazrazhdane/$file"
done
[ -n "$(shortcuts)" ] || complain "no Start-menu shortcut named $name"
entry
for value in "\"DisplayName\"=\"$name\"" '"DisplayVersion"="1.00"' \
             '"Publisher"="The Vazrazhdane developers"' \
             '"HelpLink"="https://www.vazrazhdane.example/"'; do
    grep -qF "$value" "$out/entries" || complain "the uninstall entry lacks $value"
done
# Wine writes no DisplayIcon; Windows takes it from ARPPRODUCTICON.
msiinfo export "$msi" Property | grep -q "^ARPPRODUCTICON	hamburger.ico" ||
    complain "the installer names no icon for its uninstall entry"

wine "C:\\Program Files\\Vazrazhdane\\vazrazhdane.exe" > "$out/program.log" 2>&1 &
program=$!
tries=0
until wine "$probe" "$out/state" state 2>/dev/null && grep -q "^focus 100" "$out/state"; do
    tries=$((tries + 1))
    [ $tries -le 60 ] || { complain "the installed program opened no window"; break; }
    sleep 0.5
done
wine "$probe" "$out/closed" close || true
wait $program || complain "the installed program ended with status $?"

# The same program as version 1.01, built as the 1.00 installer is built.
"$@" 1.01 "$(date +%s)" "$out/later.msi" 2>/dev/null || complain "version 1.01 could not be built"
wine msiexec /i "$out/later.msi" /qn || complain "installing version 1.01 failed"
entry
[ "$(grep -cF "\"DisplayName\"=\"$name\"" "$out/entries")" = 1 ] &&
    grep -qF '"DisplayVersion"="1.01"' "$out/entries" ||
    complain "version 1.01 did not replace 1.00: $(grep -F DisplayVersion "$out/entries")"

wine msiexec /x "$out/later.msi" /qn || complain "the silent uninstall failed"
[ ! -e "$folder" ] || complain "left behind: $(cd "$folder" && ls)"
[ -z "$(shortcuts)" ] || complain "left behind: $(shortcuts)"
entry
! grep -qF "$name" "$out/entries" || complain "the uninstall entry is left behind"
[ $failed -eq 0 ] && echo "installed, opened and removed without a trace"
exit $failed
