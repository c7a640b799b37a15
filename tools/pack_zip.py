#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""pack_zip.py FOLDER ZIP: packs FOLDER, under its own name, into ZIP: the same bytes from the
same files, whoever packs them, wherever and whenever. Entries sorted; every time the
release's ($SOURCE_DATE_EPOCH, as UTC, since a zip holds no time zone); modes from the
executable bit alone; no owner."""
import os
import sys
import time
import zipfile


def pack(folder, path):
    date = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
    top = os.path.basename(os.path.normpath(folder))

    def entry(name, mode, compression=zipfile.ZIP_DEFLATED):
        info = zipfile.ZipInfo(name, date_time=date)
        info.create_system = 3  # Unix, so that the modes count
        info.external_attr = mode << 16
        info.compress_type = compression
        return info

    with zipfile.ZipFile(path, "w") as archive:
        for parent, dirs, files in sorted(os.walk(folder)):
            dirs.sort()
            relative = os.path.relpath(parent, folder)
            prefix = top if relative == "." else f"{top}/{relative}"
            archive.writestr(entry(prefix + "/", 0o40755, zipfile.ZIP_STORED), b"")
            for name in sorted(files):
                source = os.path.join(parent, name)
                mode = 0o100755 if os.stat(source).st_mode & 0o100 else 0o100644
                with open(source, "rb") as file:
                    archive.writestr(entry(f"{prefix}/{name}", mode), file.read(),
                                     compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    pack(sys.argv[1], sys.argv[2])
