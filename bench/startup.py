#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark: the program's window against the floor Qt sets for any window with text.

Runs bench_main_form (the program's own start-up) and bench_floor (a bare widget with one label
in the program's font) alternately, each ended at its window's first paint, and reports for
each the median time from starting the process to that paint and the median peak memory
(/usr/bin/time's maximum resident set size), then the ratios program / floor. Both under a
private Xvfb and with Qt's offscreen platform.

usage: bench/startup.py [BUILD_DIR] [RUNS]     (defaults: build/app, 40)
"""
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
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


def run_once(program, environment):
    """(milliseconds from start to first paint, peak resident memory in MiB)."""
    started = time.monotonic_ns()
    done = subprocess.run(["/usr/bin/time", "-f", "peak-kib %M", program], env=environment,
                          capture_output=True, text=True, check=True)
    painted = int(next(line.split()[1] for line in done.stdout.splitlines()
                       if line.startswith("first-paint ")))
    peak_kib = int(next(line.split()[1] for line in done.stderr.splitlines()
                        if line.startswith("peak-kib ")))
    return (painted - started) / 1e6, peak_kib / 1024


def measure(programs, environment, runs):
    results = {name: ([], []) for name in programs}
    for name, path in programs.items():  # warm the file cache, not counted
        run_once(path, environment)
    for _ in range(runs):
        for name, path in programs.items():  # alternating, so drift hits both alike
            milliseconds, mebibytes = run_once(path, environment)
            results[name][0].append(milliseconds)
            results[name][1].append(mebibytes)
    return {name: (statistics.median(times), statistics.median(peaks))
            for name, (times, peaks) in results.items()}


def hyperfine_medians(programs, environment, runs):
    """Whole-process medians (start to exit, the exit right after the first paint) from
    hyperfine, which runs each program's batch in turn rather than alternating."""
    with tempfile.NamedTemporaryFile(suffix=".json") as report:
        subprocess.run(["hyperfine", "-N", "--warmup", "3", "--runs", str(runs),
                        "--export-json", report.name, *programs.values()],
                       env=environment, check=True, stdout=subprocess.DEVNULL)
        results = json.load(open(report.name))["results"]
    return [result["median"] * 1000 for result in results]


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
        whole = (hyperfine_medians(programs, dict(base, DISPLAY=display), runs)
                 if shutil.which("hyperfine") else None)
    finally:
        server.terminate()
        server.wait()

    print("%d alternating runs each; medians" % runs)
    print("%-12s %-8s %14s %14s" % ("platform", "window", "first paint", "peak memory"))
    for platform, result in platforms.items():
        for name in programs:
            milliseconds, mebibytes = result[name]
            print("%-12s %-8s %11.1f ms %10.1f MiB" % (platform, name, milliseconds, mebibytes))
        print("%-12s %-8s %14.3f %14.3f" % (
            platform, "ratio", result["program"][0] / result["floor"][0],
            result["program"][1] / result["floor"][1]))
    if whole:
        print("hyperfine, xcb, whole process: program %.1f ms, floor %.1f ms, ratio %.3f"
              % (whole[0], whole[1], whole[0] / whole[1]))


if __name__ == "__main__":
    main()
