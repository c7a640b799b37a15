#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program file carries version 1.00, its name and the icon at 16, 32, 48 and 256 pixels.
set -eu
program=$1
probe=$2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
wine "$probe" "$out" version "$program"
cat "$out"
expect() {
    grep -qx "$1" "$out" || { echo "missing: $1" >&2; exit 1; }
}
expect 'FileVersion=1.00'
expect 'ProductVersion=1.00'
expect 'ProductName=История - възрожденци и печатни издания'
expect 'icon 16 8'
expect 'icon 32 8'
expect 'icon 48 32'
expect 'icon 256 32'
