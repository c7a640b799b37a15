#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark for the Windows program, under Wine: the 64-bit program against a floor,
a bare Win32 window of the same client size with one label in the same font.

Both start alternately in one Wine prefix and one X server, timed from outside by
bench_win32_startup.exe from the process's creation to its window being shown, and to the
window and all its controls being painted. Prints the medians and the ratios program / floor.

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


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/windows-x86_64"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    program = os.path.join(build, "window/win32/vazrazhdane.exe")
    floor = os.path.join(build, "bench/bench_win32_floor.exe")
    timer = os.path.join(build, "bench/bench_win32_startup.exe")
    environment = dict(os.environ, WINEPREFIX=os.path.abspath(os.path.join(build, "bench-prefix")))
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "times.txt")
        subprocess.run([os.path.join(ROOT, "tests/win32/under_wine.sh"), timer, windows_path(out),
                        str(runs + 2), windows_path(program), windows_path(floor)],
                       env=environment, check=True)
        with open(out) as lines:
            times = [line.split() for line in lines][4:]  # the first start of each warms Wine
    failed = [t for t in times if float(t[1]) < 0]
    if failed:
        sys.exit(f"{len(failed)} starts never showed a window")
    medians = {}
    for who in ("program", "floor"):
        for column, what in ((1, "shown"), (2, "painted")):
            medians[who, what] = statistics.median(float(t[column]) for t in times if t[0] == who)
    print(f"Wine, {runs} starts each, medians in ms")
    print(f"{'':10}{'shown':>10}{'painted':>10}")
    for who in ("program", "floor"):
        print(f"{who:10}{medians[who, 'shown']:10.1f}{medians[who, 'painted']:10.1f}")
    print(f"{'ratio':10}{medians['program', 'shown'] / medians['floor', 'shown']:10.2f}"
          f"{medians['program', 'painted'] / medians['floor', 'painted']:10.2f}")


if __name__ == "__main__":
    main()
