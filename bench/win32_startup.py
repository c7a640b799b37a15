#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark for the Windows program, under Wine: the 64-bit program against two
floors, a bare Win32 window of the same client size with one label in the same font, and the
same window with the program's resources and common controls 6 (Windows' visual styles).

All three start in turn in one Wine prefix and one X server, timed from outside by
bench_win32_startup.exe from the process's creation to its window being shown, and to the
program being idle (its window and every control painted). Prints the medians and the
program's ratios to each floor.

usage: bench/win32_startup.py [BUILD_DIR] [RUNS]     (defaults: build/windows-x86_64, 40)
Needs the Windows build with its benchmarks (cmake --workflow --preset windows-x86_64) and
Wine (tools/setup test).
"""
import os
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


CONTENDERS = (("program", "window/win32/vazrazhdane.exe"),
              ("floor", "bench/bench_win32_floor.exe"),
              ("styled floor", "bench/bench_win32_floor_styled.exe"))


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/windows-x86_64"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    timer = os.path.join(build, "bench/bench_win32_startup.exe")
    environment = dict(os.environ, WINEPREFIX=os.path.abspath(os.path.join(build, "bench-prefix")))
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "times.txt")
        subprocess.run([os.path.join(ROOT, "tests/win32/under_wine.sh"), timer, windows_path(out),
                        str(runs + 1)] + [windows_path(os.path.join(build, path))
                                          for _, path in CONTENDERS],
                       env=environment, check=True)
        with open(out) as lines:
            # The first start of each warms Wine.
            times = [line.split() for line in lines][len(CONTENDERS):]
    failed = sum(float(t[1]) < 0 for t in times)
    if failed:
        sys.exit(f"{failed} starts never showed a window")
    medians = {}
    for index, (who, _) in enumerate(CONTENDERS):
        for column in (1, 2):
            medians[who, column] = statistics.median(float(t[column]) for t in times
                                                     if int(t[0]) == index)
    print(f"Wine, {runs} starts each, medians in ms")
    print(f"{'':22}{'shown':>8}{'idle':>8}")
    for who, _ in CONTENDERS:
        print(f"{who:22}{medians[who, 1]:8.1f}{medians[who, 2]:8.1f}")
    for who, _ in CONTENDERS[1:]:
        print(f"{'program / ' + who:22}" + "".join(
            f"{medians['program', column] / medians[who, column]:8.2f}" for column in (1, 2)))


if __name__ == "__main__":
    main()
