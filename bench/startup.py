#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark: the program's window against the floor Qt sets for any window with text.

Runs bench_main_form (the program's own start-up) and bench_floor (a bare widget with one label
in the program's font) alternately, and reports for each the median times from starting the
process to its first image on the screen and to its last image of start-up (visually
complete), and the median peak memory (/usr/bin/time's maximum resident set size), then the
ratios program / floor. Both under a private Xvfb and with Qt's offscreen platform.

usage: bench/startup.py [BUILD_DIR] [RUNS]     (defaults: build/app, 40)
"""
import os
import statistics
import subprocess
import sys
import time


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as chosen:
        return server, ":" + chosen.readline().strip()


MEASURES = ("first image", "last image", "peak memory")


def run_once(program, environment):
    """Milliseconds from start to the first and to the last image, and peak resident memory in
    MiB."""
    started = time.monotonic_ns()
    done = subprocess.run(["/usr/bin/time", "-f", "peak-kib %M", program], env=environment,
                          capture_output=True, text=True, check=True)
    printed = dict(line.split() for line in done.stdout.splitlines() + done.stderr.splitlines()
                   if line.startswith(("first-image ", "last-image ", "peak-kib ")))
    return ((int(printed["first-image"]) - started) / 1e6,
            (int(printed["last-image"]) - started) / 1e6,
            int(printed["peak-kib"]) / 1024)


def measure(programs, environment, runs):
    results = {name: [] for name in programs}
    for name, path in programs.items():  # warm the file cache, not counted
        run_once(path, environment)
    for _ in range(runs):
        for name, path in programs.items():  # alternating, so drift hits both alike
            results[name].append(run_once(path, environment))
    return {name: [statistics.median(values) for values in zip(*samples)]
            for name, samples in results.items()}


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/app"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    programs = {"program": os.path.join(build, "bench", "bench_main_form"),
                "floor": os.path.join(build, "bench", "bench_floor")}
    base = {key: value for key, value in os.environ.items()
            if key not in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY")}
    base["XDG_RUNTIME_DIR"] = base.get("XDG_RUNTIME_DIR") or "/tmp"

    server, display = start_xvfb()
    try:
        platforms = {
            "xcb (Xvfb)": measure(programs, dict(base, DISPLAY=display), runs),
            "offscreen": measure(programs, dict(base, QT_QPA_PLATFORM="offscreen"), runs),
        }
    finally:
        server.terminate()
        server.wait()

    print("%d alternating runs each; medians" % runs)
    print("%-12s %-8s" % ("platform", "window") + "".join("%14s" % m for m in MEASURES))
    for platform, result in platforms.items():
        for name in programs:
            first, last, mebibytes = result[name]
            print("%-12s %-8s %11.1f ms %11.1f ms %10.1f MiB"
                  % (platform, name, first, last, mebibytes))
        print("%-12s %-8s" % (platform, "ratio") + "".join(
            "%14.3f" % (program / floor)
            for program, floor in zip(result["program"], result["floor"])))


if __name__ == "__main__":
    main()
