# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end under a real X server: xdotool moves the mouse and presses keys as a pupil
would, and the result is read from outside the program through its accessible tree.

usage: x11_session.py PROGRAM SCREENSHOT
"""
import os
import re
import subprocess
import sys

import pyatspi

import desktop


def check_desktop_integration(session):
    """Docks link the window to its menu entry by WM_CLASS, and show its own large icons."""
    entry = os.path.join(os.path.dirname(__file__), "..", "..", "window", "desktop",
                         "example.vazrazhdane.pechat.desktop")
    with open(entry, encoding="utf-8") as lines:
        wm_class = [line.split("=", 1)[1].strip() for line in lines
                    if line.startswith("StartupWMClass=")]
    said = subprocess.run(["xprop", "-len", "1000000", "-id", session.window, "WM_CLASS",
                           "_NET_WM_ICON"],
                          env=session.environment, capture_output=True, text=True).stdout
    if not wm_class or '"%s"' % wm_class[0] not in said.split("\n")[0]:
        desktop.fail("WM_CLASS %r does not name the desktop entry's %r"
                     % (said.split("\n")[0], wm_class))
    sizes = set(re.findall(r"Icon \((\d+) x \d+\)", said))
    if sizes != {"32", "48", "64"}:
        desktop.fail("the window offers icons of %s pixels" % sorted(sizes, key=int))


def main(program, screenshot):
    with desktop.Session(program) as session:
        controls = desktop.Controls(session.frame)

        def click(node, what, where="left"):
            """Clicks at the left edge (on the mark), in the middle or at the right end."""
            x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            x += {"left": 1, "middle": width // 2, "right": width - 2}[where]
            # No --sync: it waits for motion, and there is none when the pointer is already
            # there. The server handles the move before the click either way.
            session.xdotool("mousemove", str(x), str(y + height // 2), "click", "1")
            return "%s, %s" % (what, where)

        def keys(*names):
            session.xdotool("key", "--delay", "30", *names)
            return "keys " + " ".join(names)

        desktop.wait_for_state(controls, "figure - checks ............",
                               controls.output_text(), "start")
        check_desktop_integration(session)
        if not controls.output_text().startswith("Да се реализира проект"):
            desktop.fail("the window opened without the assignment text")

        # The whole control takes the click, as its extents say.
        for kind, index, where, shown in [
            ("figure", 4, "left", 4),          # top row
            ("publication", 11, "middle", 6),  # another figure's only periodical
            ("publication", 1, "right", 0),    # second periodical of figure 0
            ("figure", 2, "middle", 2),
            ("figure", 2, "right", 2),         # the selected figure again: nothing changes
            ("publication", 4, "left", 2),     # the checked periodical again: stays checked
            ("figure", 5, "right", 5),         # bottom row
            ("publication", 9, "right", 5),    # the longest caption
        ]:
            node = (controls.figures if kind == "figure" else controls.publications)[index]
            controls.expect_shown(shown, click(node, "a click on %s %d" % (kind, index), where))

        session.xdotool("windowfocus", session.window)
        click(controls.output, "a click in the output area")
        controls.expect_shown(0, keys("Tab", "space"))             # periodical 0
        controls.expect_shown(5, keys("Tab", "Down"))              # figures: row 6 -> row 7
        controls.expect_shown(1, keys("Up", "Up"))                 # row 7 -> row 5
        controls.expect_shown(0, keys("Tab", "space"))             # periodical 1
        controls.expect_shown(6, keys("Tab", "Tab", "Tab", "Tab",  # on to periodical 11
                                      "Tab", "Tab", "Tab", "Tab",
                                      "Tab", "Tab", "space"))

        session.screenshot(screenshot)
        status = session.close_window()
        if status != 0:
            desktop.fail("closing the window ended the program with status %d" % status)
    print("x11 session: 15 steps passed, window closed with status 0")


if __name__ == "__main__":
    main(*sys.argv[1:3])
