#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch folder, as a package would into /usr, and checks that every
# file lands where the desktop looks for it, under the one application id, and nothing else.
# usage: check_install.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

failed=0
complain() { echo "FAIL: $*"; failed=1; }

png_size() {  # width x height from the PNG header
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

expected="usr/bin/vazrazhdane
usr/share/applications/$id.desktop
usr/share/metainfo/$id.metainfo.xml
usr/share/doc/vazrazhdane/copyright
usr/share/doc/vazrazhdane/changelog.gz
usr/share/man/man1/vazrazhdane.1.gz
usr/share/man/bg/man1/vazrazhdane.1.gz"
for size in 32 48 64 128 256; do
    icon="usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    expected="$expected
$icon"
    [ -f "$root/$icon" ] && [ "$(png_size "$root/$icon")" != "${size}x${size}" ] &&
        complain "$icon is $(png_size "$root/$icon"), not ${size}x${size}"
done

installed=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
wanted=$(echo "$expected" | sort)
[ "$installed" = "$wanted" ] || complain "installed files differ:
$(diff -u /dev/fd/3 /dev/fd/4 3<<EOF3 4<<EOF4
$wanted
EOF3
$installed
EOF4
)"

[ -x "$root/usr/bin/vazrazhdane" ] || complain "the program is not executable"
desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "$desktop" || complain "the desktop entry does not name icon $id"
grep -qx "Exec=vazrazhdane" "$desktop" || complain "the desktop entry does not start vazrazhdane"
grep -q "<id>$id</id>" "$metainfo" || complain "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    complain "the metainfo does not launch $id.desktop"

[ $failed -eq 0 ] && echo "installed: $(echo "$installed" | wc -l) files, all where expected"
exit $failed
