#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The project's own files, whatever builds, npm or an editor left beside them, in a clone or
in an unpacked release alike.

  project_files.py                  lists them
  project_files.py --reuse-lint     runs `reuse lint` over exactly them
  project_files.py --tarball DIR    writes DIR/vazrazhdane-VERSION.tar.xz holding them
"""
import fnmatch
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def ignored_patterns():
    """.gitignore's patterns, as (anchored, directory only, pattern)."""
    patterns = []
    with open(os.path.join(ROOT, ".gitignore"), encoding="utf-8") as ignore:
        for line in ignore:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            patterns.append((line.startswith("/"), line.endswith("/"), line.strip("/")))
    return patterns


def is_ignored(path, is_dir, patterns):
    name = os.path.basename(path)
    for anchored, dir_only, pattern in patterns:
        if dir_only and not is_dir:
            continue
        if fnmatch.fnmatch(path if anchored else name, pattern):
            return True
    return False


def project_files():
    """Relative paths, sorted. Build trees are known by their CMakeCache.txt."""
    patterns = ignored_patterns()
    found = []
    for folder, dirs, files in os.walk(ROOT):
        relative = os.path.relpath(folder, ROOT)
        relative = "" if relative == "." else relative + "/"
        dirs[:] = sorted(
            d for d in dirs
            if d != ".git"
            and not is_ignored(relative + d, True, patterns)
            and not os.path.exists(os.path.join(folder, d, "CMakeCache.txt")))
        found += [relative + f for f in files if not is_ignored(relative + f, False, patterns)]
    return sorted(found)


def version():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as lists:
        return re.search(r"^\s*VERSION\s+(\S+)", lists.read(), re.MULTILINE).group(1)


def reuse_lint():
    with tempfile.TemporaryDirectory() as copy:
        for path in project_files():
            os.makedirs(os.path.dirname(os.path.join(copy, path)), exist_ok=True)
            shutil.copy2(os.path.join(ROOT, path), os.path.join(copy, path))
        return subprocess.run(["reuse", "--root", copy, "lint"]).returncode


def tarball(folder):
    name = f"vazrazhdane-{version()}"
    path = os.path.join(folder, name + ".tar.xz")

    def owned_by_nobody(info):
        info.uid = info.gid = 0
        info.uname = info.gname = "root"
        return info

    with tarfile.open(path, "w:xz") as archive:
        for file in project_files():
            archive.add(os.path.join(ROOT, file), f"{name}/{file}", filter=owned_by_nobody)
    return path


def main(arguments):
    if arguments[:1] == ["--reuse-lint"]:
        return reuse_lint()
    if arguments[:1] == ["--tarball"] and len(arguments) == 2:
        print(tarball(arguments[1]))
        return 0
    if arguments:
        print(__doc__, file=sys.stderr)
        return 2
    print("\n".join(project_files()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
