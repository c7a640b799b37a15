# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows program end to end under Wine: started as a user starts it, clicked with the
mouse (also right of a caption, on the control's coloured part) and driven with Tab, Space
and the arrow keys through the X server, its state read from outside by the probe program,
a screenshot kept, and closed with Alt+F4, ending with status 0. A second probe, started
before the program, listens as screen readers do and must hear each new report once.

Run through under_wine.sh --host, which gives it an X server and a Wine prefix:
    wine_session.py PROGRAM.exe PROBE.exe SCREENSHOT.png
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from expected import OUTPUT_NAME, PUBLISHER, report_lines, sentence  # noqa: E402

OUTPUT, FRAME, PUBLICATION_GROUP, FIGURE, PUBLICATION = 100, 101, 103, 200, 300
NAMES = {OUTPUT: OUTPUT_NAME, FRAME: "Възрожденци", PUBLICATION_GROUP: "Издания"}


def report(figure):
    """The output box's text, each line ended as Windows ends it."""
    return "".join(line + "\r\n" for line in report_lines(figure))


def fail(message):
    print("FAIL: " + message)
    raise SystemExit(1)


def probe_state(probe):
    """The window as the probe reads it, or None while there is no window."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "state.txt")
        if subprocess.run(["wine", probe, out, "state"]).returncode != 0:
            return None
        return parse(lines_of(out))


def lines_of(path):
    with open(path, encoding="utf-8") as lines:
        return [line.rstrip("\n") for line in lines]


def parse(lines):
    state = {"controls": {}}
    for line in lines:
        kind, rest = line.split(" ", 1)
        if kind == "window":
            numbers = [int(w) for w in rest.split()[:4]]
            state["window"] = numbers
        elif kind == "focus":
            state["focus"] = int(rest)
        elif kind == "name":
            number, name = (rest.split(" ", 1) + [""])[:2]
            state["names"] = {**state.get("names", {}), int(number): name}
        elif kind == "control":
            parts = rest.split(" ", 6)
            text = parts[6] if len(parts) > 6 else ""
            state["controls"][int(parts[0])] = {
                "check": int(parts[1]), "rect": [int(w) for w in parts[2:6]],
                "text": text.replace("\\r", "\r").replace("\\n", "\n")}
    return state


def shown(state):
    """(selected figure or -1, checks as 'x.' string, output text)."""
    controls = state["controls"]
    figures = [f for f in range(7) if controls[FIGURE + f]["check"] == 1]
    checks = "".join("x" if controls[PUBLICATION + j]["check"] == 1 else "." for j in range(12))
    return (figures[0] if len(figures) == 1 else -1 if not figures else -2, checks,
            controls[OUTPUT]["text"])


def expect_figure(probe, figure, what):
    want = (figure, "".join("x" if PUBLISHER[j] == figure else "." for j in range(12)),
            report(figure))
    deadline = time.monotonic() + 10
    while True:
        got = shown(probe_state(probe))
        if got == want:
            return
        if time.monotonic() > deadline:
            fail(f"{what}: want {want}, got {got}")
        time.sleep(0.2)


def expect_focus(probe, control, what):
    deadline = time.monotonic() + 10
    while probe_state(probe)["focus"] != control:
        if time.monotonic() > deadline:
            fail(f"{what}: focus on {probe_state(probe)['focus']}, want {control}")
        time.sleep(0.2)


def click(state, control, right_part=False):
    left, top, right, bottom = state["controls"][control]["rect"]
    x = right - 6 if right_part else (left + right) // 2
    subprocess.run(["xdotool", "mousemove", str(x), str((top + bottom) // 2), "click", "1"],
                   check=True)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.3)


def main(program, probe, screenshot):
    folder = os.path.dirname(screenshot) or "."
    log = open(os.path.join(folder, "wine-session.log"), "w")
    heard_file = os.path.join(folder, "wine-session-heard.txt")
    if os.path.exists(heard_file):
        os.remove(heard_file)
    listener = subprocess.Popen(["wine", probe, heard_file, "listen"], stdout=log, stderr=log)
    deadline = time.monotonic() + 30
    while not (os.path.exists(heard_file) and lines_of(heard_file)[:1] == ["listening"]):
        if time.monotonic() > deadline:
            fail("the listening probe never started")
        time.sleep(0.2)
    process = subprocess.Popen(["wine", program], stdout=log, stderr=log)
    deadline = time.monotonic() + 60
    state = None
    # The class is found as soon as the window exists; the focus arrives once it is shown.
    while state is None or state["focus"] == -1:
        if time.monotonic() > deadline:
            fail("the window never appeared" if state is None else "no control took the focus")
        time.sleep(0.5)
        state = probe_state(probe)

    figure, checks, output = shown(state)
    if (figure, checks) != (-1, "............"):
        fail(f"at start: figure {figure}, checks {checks}")
    # The whole text is compared in-process; here, that it arrived intact across processes.
    if not output.startswith("Да се реализира проект") or output.count("\r\n") != 8:
        fail(f"at start the output is {output!r}")
    if state["focus"] != OUTPUT:
        fail(f"at start the focus is on {state['focus']}")
    names = {control: state["names"].get(control) for control in NAMES}
    if names != NAMES:
        fail(f"names for screen readers: {names}, want {NAMES}")

    click(state, FIGURE + 2)
    expect_figure(probe, 2, "mouse on figure 2")
    click(state, PUBLICATION + 9, right_part=True)
    expect_figure(probe, 5, "mouse right of periodical 9's caption")
    click(state, FIGURE + 0, right_part=True)
    expect_figure(probe, 0, "mouse right of figure 0's caption")
    keys("Down")
    expect_figure(probe, 5, "Down from figure 0")
    keys("Tab")
    expect_focus(probe, PUBLICATION + 1, "Tab after figure 5")
    keys("space")
    expect_figure(probe, 0, "Space on periodical 1")
    keys("shift+Tab")
    expect_focus(probe, FIGURE + 0, "Shift+Tab into the figures")
    click(probe_state(probe), PUBLICATION + 0)  # the same report again: nothing to hear
    expect_figure(probe, 0, "mouse on periodical 0 of the figure shown")

    subprocess.run(["import", "-window", "root", screenshot], check=True)
    left, top, right, bottom = probe_state(probe)["controls"][PUBLICATION + 3]["rect"]
    colour = subprocess.run(
        ["convert", screenshot, "-format", f"%[pixel:p{{{right - 3},{(top + bottom) // 2}}}]",
         "info:"], capture_output=True, text=True, check=True).stdout
    if colour not in ("srgb(192,255,255)", "rgb(192,255,255)"):
        fail(f"periodical 3 shows {colour}, want light cyan")

    keys("alt+F4")
    try:
        status = process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        process.kill()
        fail("Alt+F4 did not end the program")
    if status != 0:
        fail(f"the program ended with status {status}")

    try:
        listener.wait(timeout=20)
    except subprocess.TimeoutExpired:
        listener.kill()
        fail("the listening probe did not end with the window")
    heard = [line[len("live "):] for line in lines_of(heard_file) if line.startswith("live ")]
    print("heard:\n" + "\n".join(heard))
    want = [sentence(figure) for figure in (2, 5, 0, 5, 0)]
    if heard != want:
        fail(f"screen readers heard {heard}, want {want}")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:4])
