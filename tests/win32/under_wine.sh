#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine, on an X server of its own, in the Wine prefix named by
# WINEPREFIX (made on first use, with Liberation Serif standing in for Times New Roman).
# The program's output goes through a file: Wine's helper processes would keep a pipe open.
# With --host first, the command is a Linux one that runs Windows programs itself.
set -eu
runner=wine
if [ "${1:-}" = --host ]; then
    runner=""
    shift
fi
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
for tool in wine Xvfb; do
    command -v "$tool" >/dev/null || { echo "under_wine.sh: $tool is not installed" >&2; exit 1; }
done

display_file=$(mktemp)
output=$(mktemp)
trap 'kill "$xvfb" 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -f "$display_file" "$output"' EXIT
# -noreset: no reset whenever the last client leaves, which a program starting then would meet.
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
xvfb=$!
while [ ! -s "$display_file" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$display_file")"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Times New Roman" /t REG_SZ \
        /d "Liberation Serif" /f >/dev/null 2>&1
    # One virtual desktop: without a window manager, Wine waits two seconds whenever a
    # top-level window of its own is hidden or destroyed.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f \
        >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 2048x1536 /f \
        >/dev/null 2>&1
    wineserver -w
fi

status=0
$runner "$@" >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
