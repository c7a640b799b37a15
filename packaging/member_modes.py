#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""member_modes.py PACKAGE.deb: gives each member of a Debian package (an ar archive) mode 644,
as dpkg-deb does. CPack takes the modes from the files it wrote, so from the builder's umask."""
import sys

HEADER = 60          # name 16, time 12, owner 6, group 6, mode 8, size 10, "`\n"
MODE = slice(40, 48)


def main(path):
    with open(path, "r+b") as package:
        data = bytearray(package.read())
        if not data.startswith(b"!<arch>\n"):
            sys.exit(f"{path}: not an ar archive")
        at = 8
        while at < len(data):
            header = data[at:at + HEADER]
            if len(header) != HEADER or header[58:60] != b"`\n":
                sys.exit(f"{path}: damaged member header at byte {at}")
            data[at + MODE.start:at + MODE.stop] = b"100644  "
            at += HEADER + int(header[48:58])
            at += at % 2  # members start on even bytes
        package.seek(0)
        package.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
