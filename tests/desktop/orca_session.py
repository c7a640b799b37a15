# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window with the Orca screen reader, as a blind pupil meets it: what Orca says at start,
after Space on a periodical and after an arrow key among the figures. Orca speaks through
speech-dispatcher into a silent sound device; its debug file is the transcript.

usage: orca_session.py PROGRAM
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import desktop

# A line of the transcript: the words, then the voice Orca chose.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{.*\}$")
# What Orca writes once it listens for events: Orca 43, then Orca 48.
STARTED = ("ORCA: Starting registry", "ORCA: Starting Atspi main event loop")


def plain(utterance):
    """The words alone: Orca 43 ends a name with a full stop and a key's echo with a space,
    Orca 48 neither."""
    return utterance.strip().removesuffix(".")


def holds(utterance, wanted):
    """Whether `utterance` is `wanted`, or begins with it as a word: Orca 48 says a radio
    button's state in the same utterance as its name."""
    return plain(utterance) == plain(wanted) or plain(utterance).startswith(plain(wanted) + " ")


class Orca:
    """Orca in a home of its own, speaking through speech-dispatcher into ALSA's null device."""

    def __init__(self, environment):
        if shutil.which("orca") is None:
            desktop.fail("orca is not installed")
        self.home = tempfile.mkdtemp()
        with open(os.path.join(self.home, ".asoundrc"), "w") as sound:
            sound.write("pcm.!default { type null }\n")
        speech = os.path.join(self.home, ".config", "speech-dispatcher")
        shutil.copytree("/etc/speech-dispatcher", speech)
        with open(os.path.join(speech, "speechd.conf"), "a") as conf:
            conf.write('AudioOutputMethod "alsa"\n')  # no sound server here
        preferences = os.path.join(self.home, "orca")
        os.makedirs(preferences)
        # Orca's debug file is block-buffered; line by line, the test can follow it.
        with open(os.path.join(preferences, "orca-customizations.py"), "w") as custom:
            custom.write("import orca.debug\n"
                         "orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.log = os.path.join(self.home, "orca.log")
        environment = dict(environment, HOME=self.home,
                           XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                           XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                           XDG_CACHE_HOME=os.path.join(self.home, ".cache"))
        self.process = subprocess.Popen(
            ["orca", "--replace", "-u", preferences, "--debug-file", self.log],
            env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=desktop._die_with_parent)

    def started(self):
        """Orca has looked for an active window and listens for events. Focus given before
        that can be lost: Orca may keep the window's state from before it was activated and
        then pass over its activation."""
        if not os.path.exists(self.log):
            return False
        with open(self.log, encoding="utf-8", errors="replace") as log:
            text = log.read()
            return any(started in text for started in STARTED)

    def transcript(self):
        """Everything Orca has said, one utterance per item."""
        said = []
        if not os.path.exists(self.log):
            return said
        with open(self.log, encoding="utf-8", errors="replace") as log:
            for line in log:
                found = UTTERANCE.search(line)
                if found:
                    said.append(found.group(1))
        return said

    def says_after(self, count, wanted, after):
        """Waits until the utterances past the first `count` hold `wanted`, in that order."""
        deadline = time.monotonic() + 15
        while True:
            said = iter(self.transcript()[count:])
            if all(any(holds(utterance, words) for utterance in said) for words in wanted):
                return
            if time.monotonic() > deadline:
                desktop.fail("after %s Orca said %s, want %s in that order"
                             % (after, self.transcript()[count:], wanted))
            time.sleep(0.1)

    def log_tail(self):
        if not os.path.exists(self.log):
            return "(no log)"
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return "".join(log.readlines()[-15:])

    def close(self):
        self.process.kill()
        self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def main(program):
    with desktop.Session(program) as session:
        orca = Orca(session.environment)
        try:
            try:
                desktop.wait_for("Orca to start", orca.started, timeout=30)
            except SystemExit:
                print("Orca's log ends:\n" + orca.log_tail(), file=sys.stderr)
                raise
            session.xdotool("windowfocus", "--sync", session.window)
            # The whole greeting, up to the output that holds the focus, before the first key:
            # Orca passes over a focus change that comes while it still handles the window's.
            greeting = [desktop.TITLE + " frame.", desktop.OUTPUT_NAME + " read only text."]
            orca.says_after(0, greeting, "the window took the focus")
            # What the click did first, then the report; the focus stays where it was. Space
            # again leaves the report as it was: it is not spoken again.
            steps = [("Tab", ['"Македония" check box not checked.']),
                     ("space", ["checked", desktop.sentence(0)]),
                     ("space", ["space "]),  # the key's echo
                     ("Tab", ["Петко Славейков."]),
                     ("Down", ["Христо Ботев.", desktop.sentence(5)])]
            for step, (key, wanted) in enumerate(steps):
                count = len(orca.transcript())
                session.xdotool("key", key)
                orca.says_after(count, wanted, key)
                if step == 2:
                    time.sleep(1)
                    if any(holds(said, desktop.sentence(0)) for said in orca.transcript()[count:]):
                        desktop.fail("an unchanged report was spoken again")
            transcript = orca.transcript()
        finally:
            orca.close()
    print("Orca said, the title and both reports among it:\n  " + "\n  ".join(transcript))


if __name__ == "__main__":
    main(sys.argv[1])
