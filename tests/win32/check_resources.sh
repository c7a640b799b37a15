#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program file's version, name, icon sizes and manifest, read from its resources without
# running it (so for 32-bit Windows too): check_resources.sh WINDRES PROGRAM.exe
set -eu
windres=$1
program=$2
resources=$(mktemp)
trap 'rm -f "$resources"' EXIT
"$windres" -i "$program" -O rc > "$resources"
status=0
expect() {
    grep -qF -- "$1" "$resources" || { echo "FAIL: $program lacks $2" >&2; status=1; }
}
# "История - възрожденци и печатни издания", as windres writes it.
name='L"\x0418\x0441\x0442\x043e\x0440\x0438\x044f - \x0432\x044a\x0437\x0440\x043e\x0436\x0434\x0435\x043d\x0446\x0438 \x0438 \x043f\x0435\x0447\x0430\x0442\x043d\x0438 \x0438\x0437\x0434\x0430\x043d\x0438\x044f"'
expect 'VALUE "FileVersion", "1.00"' "file version 1.00"
expect 'VALUE "ProductVersion", "1.00"' "product version 1.00"
expect "VALUE \"ProductName\", $name" "the program's name"
expect 'VALUE "Translation", 0x402, 1200' "Bulgarian version texts"
for size in '\020\020\000\000", 1, 8' '\040\040\000\000", 1, 8' '\060\060\000\000", 1, 32' \
            '\000\000\000\000", 1, 32'; do
    expect "\"$size" "an icon $size"
done
expect 'RT_MANIFEST' "its manifest"
[ $status -eq 0 ] && echo "$program: version 1.00, name, icons of 16, 32, 48 and 256, manifest"
exit $status
