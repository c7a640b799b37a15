#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The source release holds exactly the project's files, and unpacked, with no git and no
# build beside it, passes the licence check and configures.
set -eu
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tarball=$(python3 "$source/tools/project_files.py" --tarball "$work")
tar -C "$work" -xJf "$tarball"
unpacked=${tarball%.tar.xz}
[ "$(basename "$unpacked")" = vazrazhdane-1.00 ] || { echo "FAIL: named $tarball"; exit 1; }
python3 "$source/tools/project_files.py" > "$work/wanted"
(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$work/held"
LC_ALL=C sort "$work/wanted" | diff -u - "$work/held" || { echo "FAIL: files differ"; exit 1; }
python3 "$unpacked/tools/project_files.py" --reuse-lint
cmake -S "$unpacked" -B "$work/build" -DBUILD_TESTING=OFF > "$work/configure.log" ||
    { cat "$work/configure.log"; echo "FAIL: does not configure"; exit 1; }
echo "$(basename "$tarball"): $(wc -l < "$work/held") files, licences clean, configures"
