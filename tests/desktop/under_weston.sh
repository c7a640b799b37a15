#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt program on a Wayland compositor of its own: weston's headless back end, in a
# private runtime folder, with no X server to fall back on.
set -eu
command -v weston >/dev/null || { echo "under_weston.sh: weston is not installed" >&2; exit 1; }
runtime=$(mktemp -d)
trap 'kill "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --use-pixman --socket=wayland-test --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
tries=0
until [ -S "$runtime/wayland-test" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.1
done
unset DISPLAY
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$@"
