# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A real desktop session for end-to-end tests: a private X server, the program started in it
with its accessibility bridge on, and the program's accessible tree as a screen reader sees it.

Run the test scripts through in_private_session.sh, so that the accessibility bus is theirs
alone.
"""
import ctypes
import os
import signal
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from expected import (FIGURES, OUTPUT_NAME, PUBLICATIONS, PUBLISHER, TITLE,  # noqa: E402,F401
                      report_lines, sentence)


def report(figure):
    """The output text as shown, one line per line (the widget shows line feeds)."""
    return "\n".join(report_lines(figure))


def _die_with_parent():
    """Run in a child before it starts: it ends when the test ends, however the test ends."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    raise SystemExit(1)


def wait_for(what, probe, timeout=10.0):
    """Calls probe until it returns something true; fails naming `what` after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


class Session:
    """Xvfb on a display number it picks itself, and the program running on it."""

    def __init__(self, program):
        self.program = program
        self.xvfb = None
        self.process = None
        self.display = None

    def __enter__(self):
        signal.signal(signal.SIGALRM, lambda *_: fail("the session took over 90 seconds"))
        signal.alarm(90)
        read_end, write_end = os.pipe()
        # -noreset: Xvfb would otherwise reset whenever its last client leaves, as xdotool does
        # each time it looks for the window, and a program connecting just then finds no display.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_die_with_parent)
        os.close(write_end)
        with os.fdopen(read_end) as chosen:
            number = chosen.readline().strip()
        if not number:
            fail("Xvfb did not start")
        self.display = ":" + number
        environment = dict(os.environ, DISPLAY=self.display,
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        environment.pop("QT_QPA_PLATFORM", None)
        environment.pop("WAYLAND_DISPLAY", None)
        self.environment = environment
        self.process = subprocess.Popen([self.program], env=environment,
                                        preexec_fn=_die_with_parent)
        self.window = wait_for("the window", self._find_window)
        self.app = wait_for("the program on the accessibility bus", self._find_app)
        self.frame = wait_for("the window in the accessible tree",
                              lambda: self.app.childCount and self.app.getChildAtIndex(0))
        return self

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()

    def _find_window(self):
        """The program's own top-level window (by its process id, should a display be shared)."""
        found = self.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid),
                             "--name", "vazrazhdane.example", check=False).split()
        return found[0] if found else None

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:  # an application that went away meanwhile
                continue
        return None

    def xdotool(self, *arguments, check=True):
        done = subprocess.run(["xdotool", *arguments], env=self.environment,
                              capture_output=True, text=True)
        if check and done.returncode != 0:
            fail("xdotool %s: %s" % (" ".join(arguments), done.stderr))
        return done.stdout

    def screenshot(self, path):
        subprocess.run(["import", "-window", self.window, path], env=self.environment,
                       check=True)

    def close_window(self):
        """What the title bar's close box does: asks the window to close."""
        from Xlib import X, display, protocol
        connection = display.Display(self.display)
        window = connection.create_resource_object("window", int(self.window))
        delete = connection.intern_atom("WM_DELETE_WINDOW")
        message = protocol.event.ClientMessage(
            window=window, client_type=connection.intern_atom("WM_PROTOCOLS"),
            data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        connection.sync()  # a round trip: the server has taken the message
        connection.close()
        try:
            return self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            still = self._find_window()
            fail("the program did not end within 30 s of its window being closed (window %s)"
                 % ("still shown" if still else "gone"))


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def has(node, state):
    return node.getState().contains(state)


class Controls:
    """The window's controls as the accessible tree names them."""

    def __init__(self, frame):
        nodes = list(walk(frame))
        by_role = lambda role: [n for n in nodes if n.getRole() == role]
        radios = {n.name: n for n in by_role(pyatspi.ROLE_RADIO_BUTTON)}
        boxes = {n.name: n for n in by_role(pyatspi.ROLE_CHECK_BOX)}
        self.figures = [radios.get(name) for name in FIGURES]
        self.publications = [boxes.get(name) for name in PUBLICATIONS]
        texts = by_role(pyatspi.ROLE_TEXT)
        self.output = texts[0] if len(texts) == 1 else None
        self.nodes = nodes
        self.radio_names = sorted(radios)
        self.box_names = sorted(boxes)

    def output_text(self):
        return self.output.queryText().getText(0, -1)

    def state(self):
        """("figure 2 checks ....x.......", output text) as the screen reader reads them."""
        selected = [i for i, node in enumerate(self.figures) if has(node, pyatspi.STATE_CHECKED)]
        figure = ",".join(map(str, selected)) or "-"
        checks = "".join("x" if has(n, pyatspi.STATE_CHECKED) else "." for n in self.publications)
        return "figure %s checks %s" % (figure, checks)

    def expect_shown(self, figure, after):
        """Waits until `figure` is selected, exactly its periodicals checked, its report shown."""
        checks = "".join("x" if PUBLISHER[j] == figure else "." for j in range(12))
        wait_for_state(self, "figure %d checks %s" % (figure, checks), report(figure), after)


def wait_for_state(controls, want_state, want_text, after):
    """Waits for the program to show `want_state` and `want_text`; names both on failure."""
    deadline = time.monotonic() + 5
    while True:
        state, text = controls.state(), controls.output_text()
        if state == want_state and text == want_text:
            return
        if time.monotonic() > deadline:
            fail("after %s: expected %s with output %r, saw %s with output %r"
                 % (after, want_state, want_text, state, text))
        time.sleep(0.05)
