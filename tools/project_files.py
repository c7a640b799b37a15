#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The project's own files, as MANIFEST lists them: the same in a clone and in an unpacked
release, whatever builds, Python, npm or an editor left beside them.

  project_files.py                  lists them
  project_files.py --reuse-lint     runs `reuse lint` over exactly them
  project_files.py --tarball DIR    writes DIR/vazrazhdane-VERSION.tar.xz holding them
  project_files.py --check-tree     fails, naming each file, when the source tree holds a file
                                    MANIFEST does not list (or lacks one it does); in a clone,
                                    also when MANIFEST and git's index differ
  project_files.py --update         rewrites MANIFEST from git's index, in a clone
"""
import fnmatch
import io
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MANIFEST = os.path.join(ROOT, "MANIFEST")
MANIFEST_HEADER = """\
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's own files, one a line. `tools/project_files.py --update` rewrites this list
# from git's index; the tests fail while the tree and this list differ.
"""


def project_files():
    """Relative paths, sorted."""
    with open(MANIFEST, encoding="utf-8") as manifest:
        return sorted(line.rstrip("\n") for line in manifest
                      if line.strip() and not line.startswith("#"))


def git_files():
    """git's index, or None outside a clone or without git."""
    if not os.path.isdir(os.path.join(ROOT, ".git")) or not shutil.which("git"):
        return None
    listed = subprocess.run(["git", "-C", ROOT, "ls-files", "-z"], check=True,
                            capture_output=True, text=True).stdout
    return sorted(path for path in listed.split("\0") if path)


def ignored_patterns():
    """.gitignore's patterns, as (anchored, directory only, pattern): where builds and tools
    may write inside the tree."""
    patterns = []
    with open(os.path.join(ROOT, ".gitignore"), encoding="utf-8") as ignore:
        for line in ignore:
            line = line.strip()
            if line and not line.startswith("#"):
                patterns.append((line.startswith("/"), line.endswith("/"), line.strip("/")))
    return patterns


def is_ignored(path, is_dir, patterns):
    name = os.path.basename(path)
    return any(fnmatch.fnmatch(path if anchored else name, pattern)
               for anchored, dir_only, pattern in patterns if is_dir or not dir_only)


def files_in_tree():
    """Every file under the root but git's own, the places .gitignore names and build trees
    (known by their CMakeCache.txt)."""
    patterns = ignored_patterns()
    found = []
    for folder, dirs, files in os.walk(ROOT):
        relative = os.path.relpath(folder, ROOT)
        relative = "" if relative == "." else relative + "/"
        dirs[:] = [d for d in dirs
                   if not (relative == "" and d == ".git")
                   and not is_ignored(relative + d, True, patterns)
                   and not os.path.exists(os.path.join(folder, d, "CMakeCache.txt"))]
        found += [relative + f for f in files if not is_ignored(relative + f, False, patterns)]
    return sorted(found)


def differences(listed, held, held_name):
    return ([f"{path}: in {held_name}, not in MANIFEST" for path in sorted(set(held) - set(listed))]
            + [f"{path}: in MANIFEST, not in {held_name}" for path in sorted(set(listed) - set(held))])


def check_tree():
    listed = project_files()
    problems = differences(listed, files_in_tree(), "the source tree")
    tracked = git_files()
    if tracked is not None:
        problems += differences(listed, tracked, "git's index")
    for problem in problems:
        print(problem)
    if problems:
        print("Remove what a build or test left in the tree; list a new file of the project "
              "with `tools/project_files.py --update`.")
        return 1
    print(f"The source tree holds the {len(listed)} files MANIFEST lists, and nothing else.")
    return 0


def update():
    tracked = git_files()
    if tracked is None:
        print("--update needs a git clone", file=sys.stderr)
        return 2
    if "MANIFEST" not in tracked:
        tracked = sorted(tracked + ["MANIFEST"])
    with open(MANIFEST, "w", encoding="utf-8") as manifest:
        manifest.write(MANIFEST_HEADER + "".join(path + "\n" for path in tracked))
    return 0


def version():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as lists:
        return re.search(r"^\s*VERSION\s+(\S+)", lists.read(), re.MULTILINE).group(1)


def reuse_lint():
    with tempfile.TemporaryDirectory() as copy:
        for path in project_files():
            os.makedirs(os.path.dirname(os.path.join(copy, path)), exist_ok=True)
            shutil.copy2(os.path.join(ROOT, path), os.path.join(copy, path))
        return subprocess.run(["reuse", "--root", copy, "lint"]).returncode


def release_date():
    """The one the builds use, from cmake/release_date.cmake."""
    return int(subprocess.run(["cmake", "-P", os.path.join(ROOT, "cmake", "release_date.cmake")],
                              check=True, capture_output=True, text=True).stdout)


def export_substituted():
    """The files .gitattributes has `git archive` fill in, which a tarball fills in alike."""
    with open(os.path.join(ROOT, ".gitattributes"), encoding="utf-8") as attributes:
        return [line.split()[0] for line in attributes
                if not line.startswith("#") and "export-subst" in line.split()[1:]]


def tarball(folder):
    """The same bytes from the same files and date: sorted, owned by root, every time the
    release's, modes from the executable bit alone, xz on one thread."""
    name = f"vazrazhdane-{version()}"
    path = os.path.join(folder, name + ".tar.xz")
    date = release_date()
    substituted = export_substituted()
    with tarfile.open(path, "w:xz", format=tarfile.PAX_FORMAT) as archive:
        for file in project_files():
            source = os.path.join(ROOT, file)
            with open(source, "rb") as stream:
                content = stream.read()
            if any(fnmatch.fnmatch(file, pattern) for pattern in substituted):
                content = content.replace(b"$Format:%ct$", str(date).encode())
            info = tarfile.TarInfo(f"{name}/{file}")
            info.size = len(content)
            info.mtime = date
            info.mode = 0o755 if os.stat(source).st_mode & 0o100 else 0o644
            info.uid = info.gid = 0
            info.uname = info.gname = "root"
            archive.addfile(info, io.BytesIO(content))
    return path


def main(arguments):
    commands = {"--reuse-lint": reuse_lint, "--check-tree": check_tree, "--update": update}
    if len(arguments) == 1 and arguments[0] in commands:
        return commands[arguments[0]]()
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
