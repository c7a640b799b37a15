#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""make_msi.py WXS VERSION DATE OUTPUT: builds the installer WXS describes, for VERSION, with
wixl; the same bytes from the same files, version and DATE (seconds since 1970).

WXS's folder holds the files it names and _ForceCodepage.idt. wixl alone would give each build
a random package code and the build's times; here the product code is named from the version
(a new version is a new product, which the major upgrade replaces), the package code from
everything the package holds, and every time is DATE. Runs under Debian's Python, whose GObject
bindings (python3-gi, gir1.2-libmsi-1.0) reach msitools' library."""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import uuid
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

WIX = "{http://schemas.microsoft.com/wix/2006/wi}"
CODEPAGE = "_ForceCodepage.idt"
FILETIME_1970 = 116444736000000000  # 1970-01-01 in 100 ns since 1601, as Windows counts


def make_msi(wxs, version, date, output):
    folder = os.path.dirname(os.path.abspath(wxs))
    tree = ElementTree.parse(wxs)
    upgrade_code = uuid.UUID(tree.find(f"{WIX}Product").get("UpgradeCode"))
    sources = sorted({element.get(attribute) for element in tree.iter()
                      for attribute in ("Source", "SourceFile") if element.get(attribute)})

    # The package code changes with anything the package holds.
    digest = hashlib.sha256(version.encode())
    with tempfile.TemporaryDirectory() as staging:
        for name in [os.path.basename(wxs), CODEPAGE] + sources:
            copy = os.path.join(staging, name)
            shutil.copyfile(os.path.join(folder, name), copy)
            os.chmod(copy, 0o644)
            os.utime(copy, (date, date))  # the cabinet keeps its files' times
            with open(copy, "rb") as file:
                digest.update(name.encode() + b"\0" + file.read())
        product_code = uuid.uuid5(upgrade_code, f"product {version}")
        package_code = uuid.uuid5(upgrade_code, f"package {digest.hexdigest()}")

        environment = dict(os.environ, WINDOWS_LANGUAGE="bg", TZ="UTC")
        output = os.path.abspath(output)
        subprocess.run(["wixl", "-a", "x64", "-D", f"ProductCode={product_code}",
                        "-D", f"Version={version}", "-o", output, os.path.basename(wxs)],
                       cwd=staging, env=environment, check=True)
        # wixl writes the Cyrillic texts in the code page of WINDOWS_LANGUAGE but marks the
        # database as of no code page; this marks it 1251, so that every Windows reads them
        # as written.
        subprocess.run(["msibuild", output, "-i", CODEPAGE], cwd=staging, env=environment,
                       check=True)

    database = Libmsi.Database.new(output, Libmsi.DbFlags.TRANSACT, None)
    summary = Libmsi.SummaryInfo.new(database, 3)
    summary.set_string(Libmsi.Property.UUID, "{" + str(package_code).upper() + "}")
    filetime = FILETIME_1970 + date * 10_000_000
    summary.set_filetime(Libmsi.Property.CREATED_TM, filetime)
    summary.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime)
    summary.persist()
    database.commit()


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    make_msi(sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4])
