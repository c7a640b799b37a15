#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a runtime folder and a D-Bus session of its own, so that tests running
# side by side never share an accessibility bus.
set -eu
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime dbus-run-session -- "$@"
