# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window as a screen reader meets it, over AT-SPI: what it can read, and that acting on a
control through it does what a click does.

usage: screen_reader.py PROGRAM
"""
import sys

import pyatspi

import desktop

SHOWN_ROLES = {
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_PANEL,
}
# Roles of hidden data lists; readers must never meet them.
LIST_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_LIST_BOX,
              pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL}


def check(condition, message):
    if not condition:
        desktop.fail(message)


def inside(node, ancestor):
    while node is not None:
        if node == ancestor:
            return True
        node = node.parent
    return False


def press(node):
    """Does the control's own action, as a screen reader's 'activate' does."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(action.nActions > 0, "%s %r offers no action" % (node.getRoleName(), node.name))
    action.doAction(0)
    return "activating %r (%s)" % (node.name, names[0])


def main(program):
    with desktop.Session(program) as session:
        frame = session.frame
        check(frame.name == desktop.TITLE, "window named %r" % frame.name)
        # A frame, so that the screen reader's "speak title bar" command finds the title.
        check(frame.getRole() == pyatspi.ROLE_FRAME, "window is a %s" % frame.getRoleName())
        controls = desktop.Controls(frame)

        check(controls.radio_names == sorted(desktop.FIGURES),
              "radio buttons %s, want the seven figures" % controls.radio_names)
        check(controls.box_names == sorted(desktop.PUBLICATIONS),
              "check boxes %s, want the twelve periodicals" % controls.box_names)
        check(controls.output is not None, "no single text area in the tree")
        check(controls.output.name == desktop.OUTPUT_NAME,
              "output named %r" % controls.output.name)
        # Nothing that is true of the report alone: at first the output holds the assignment.
        check(controls.output.description == "",
              "output described as %r" % controls.output.description)
        check(controls.output_text().startswith("Да се реализира проект"),
              "output reads %r" % controls.output_text()[:40])
        panels = sorted(n.name for n in controls.nodes if n.getRole() == pyatspi.ROLE_PANEL)
        check(panels == ["Възрожденци", "Издания"], "groups named %s" % panels)
        labels = sorted(n.name for n in controls.nodes if n.getRole() == pyatspi.ROLE_LABEL)
        check(labels == sorted(["История - Възраждане, печатни издания", "Възрожденци",
                                "Издания"]), "labels %s" % labels)

        for node in controls.nodes:
            role = node.getRole()
            check(role not in LIST_ROLES, "hidden list in the tree: %s %r"
                  % (node.getRoleName(), node.name))
            if role in (pyatspi.ROLE_STATUS_BAR, pyatspi.ROLE_NOTIFICATION):
                # Spoken, never on screen: flat review passes them by.
                check(not desktop.has(node, pyatspi.STATE_SHOWING)
                      and not desktop.has(node, pyatspi.STATE_VISIBLE),
                      "%s %r is shown" % (node.getRoleName(), node.name))
            elif role in SHOWN_ROLES:
                check(desktop.has(node, pyatspi.STATE_SHOWING),
                      "%s %r is in the tree but not on screen" % (node.getRoleName(), node.name))
            elif not desktop.has(node, pyatspi.STATE_SHOWING):
                # The output area's switched-off horizontal scroll bar is the only thing
                # allowed to be there unseen.
                check(inside(node, controls.output)
                      and role in (pyatspi.ROLE_FILLER, pyatspi.ROLE_SCROLL_BAR),
                      "%s %r is in the tree but not on screen" % (node.getRoleName(), node.name))
        check(controls.state() == "figure - checks ............",
              "at start the reader hears %s" % controls.state())

        controls.expect_shown(5, press(controls.publications[9]))
        controls.expect_shown(2, press(controls.figures[2]))
        controls.expect_shown(2, press(controls.publications[4]))
        controls.expect_shown(0, press(controls.publications[1]))
        notices = [n for n in desktop.walk(frame) if n.getRole() == pyatspi.ROLE_NOTIFICATION]
        check([n.name for n in notices] == [desktop.sentence(0)],
              "notifications %s" % [n.name for n in notices])

        status = session.close_window()
        check(status == 0, "closing ended the program with status %d" % status)
    print("screen reader: tree and 4 actions passed")


if __name__ == "__main__":
    main(sys.argv[1])
