#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless the program file imports Windows system DLLs only.
set -eu
objdump=$1
program=$2
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no imports read from $program" >&2; exit 1; }
status=0
for dll in $imports; do
    case $dll in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll) ;;
        *) echo "imports $dll, which is not a Windows system DLL" >&2; status=1 ;;
    esac
done
echo "$program imports:" $imports
exit $status
