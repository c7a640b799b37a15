#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build and has lintian check it as Debian's archive would:
# no error and no warning, pedantic tags included.
# usage: check_package.sh BUILD_DIR
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
dpkg-deb -f "$out"/*.deb Depends Recommends
lintian --pedantic --fail-on error,warning "$out"/*.deb
