#!/usr/bin/env python3
"""A whole calculation through the accessibility bus alone, as a screen reader, an on-screen
keyboard or test automation drives the program: a menu button pressed through its Press
action, the boxes filled through EditableText, Solve pressed, the result and the messages read
back. Checks on the way the names, descriptions and label relations a screen reader speaks.

Run inside a private D-Bus session; starts its own Xvfb:
    dbus-run-session -- python3 atspi_test.py PROGRAM
"""

import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Debian 13's libatspi deprecates get_action_name, which Debian 12's has no replacement for.
warnings.filterwarnings("ignore", category=DeprecationWarning)

TIMEOUT_S = 20
PF_MESSAGE = "PF value should be between 0.01 and 1.00 "
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wait_for(find, what):
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def find(node, role, name=None):
    for child in descendants(node):
        if child.get_role() == role and (name is None or child.get_name() == name):
            return child
    return None


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window_with(app, role, name):
    """The top-level window of `app` that holds a `role` named `name`."""
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and find(window, role, name) is not None:
            return window
    return None


def press(node):
    # The interfaces called as functions of the node: the one form that libatspi 2.46 and 2.56
    # (Debian 12 and 13) both take.
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    Atspi.Action.do_action(node, names.index("Press"))


def targets(node, relation_type):
    return [target
            for relation in node.get_relation_set() if relation.get_relation_type() == relation_type
            for target in (relation.get_target(i) for i in range(relation.get_n_targets()))]


def text_of(box):
    return Atspi.Text.get_text(box, 0, -1)


def check_menu(menu):
    picture = find(menu, Atspi.Role.IMAGE)
    check(picture is not None and picture.get_name() != "",
          f"the menu's picture is an image with a name ({picture and picture.get_name()!r})")


def check_boxes(window, boxes):
    """Each box is labelled by its heading, which is the label for it, and described by its
    unit."""
    for heading_text, unit in boxes:
        heading = find(window, Atspi.Role.LABEL, heading_text)
        box = next(target for target in targets(heading, Atspi.RelationType.LABEL_FOR))
        check(box.get_role() == Atspi.Role.TEXT and
              heading in targets(box, Atspi.RelationType.LABELLED_BY) and
              box.get_name() == heading_text.rstrip(" ="),
              f"{heading_text!r} is the label for a box that it labels and names")
        check(box.get_description() == unit, f"the {heading_text!r} box is described as {unit!r}")


def message_label(window, description):
    return next(node for node in descendants(window)
                if node.get_role() == Atspi.Role.LABEL and node.get_description() == description)


def solve(window, values):
    for heading, text in values:
        box = targets(find(window, Atspi.Role.LABEL, heading), Atspi.RelationType.LABEL_FOR)[0]
        Atspi.EditableText.set_text_contents(box, text)
    press(find(window, Atspi.Role.PUSH_BUTTON, "Solve"))


def run(program):
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], stdout=subprocess.PIPE)
    display = ":" + xvfb.stdout.readline().decode().strip()
    environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.pop("WAYLAND_DISPLAY", None)
    quillmark = subprocess.Popen([program], env=environment)
    try:
        app = wait_for(lambda: application(quillmark.pid), "quillmark on the accessibility bus")
        line_to_line = "kVA to Amps in  3 Phase  for Line to Line Voltage"
        menu = wait_for(lambda: window_with(app, Atspi.Role.PUSH_BUTTON, line_to_line),
                        "the main menu")
        check_menu(menu)
        press(find(menu, Atspi.Role.PUSH_BUTTON, line_to_line))
        window = wait_for(lambda: window_with(app, Atspi.Role.LABEL, "Voltage L- L"),
                          "the line-to-line window")
        check_boxes(window, [("kVA", "kVA"), ("Voltage L- L", "Volts"),
                             ("Power Factor", "PF"), ("Current  =", "Amps")])
        inputs = message_label(window, "Messages about the input values")
        result_messages = message_label(window, "Messages about the result")
        check(inputs.get_name() == "" and result_messages.get_name() == "",
              "the empty message labels have empty names")
        amps = targets(find(window, Atspi.Role.LABEL, "Current  ="),
                       Atspi.RelationType.LABEL_FOR)[0]

        solve(window, [("kVA", "100"), ("Voltage L- L", "400"), ("Power Factor", "0.8")])
        wait_for(lambda: text_of(amps) == "180.4", "the current 180.4")
        check(True, "100 kVA at 400 V and PF 0.8 gives 180.4 A, typed through EditableText")

        solve(window, [("Power Factor", "0")])
        alert = wait_for(lambda: find(app, Atspi.Role.ALERT), "the message box")
        spoken = [node.get_name() for node in descendants(alert)
                  if node.get_role() == Atspi.Role.LABEL]
        check(PF_MESSAGE in spoken, f"the message box says {PF_MESSAGE!r} ({spoken!r})")
        press(find(alert, Atspi.Role.PUSH_BUTTON, "OK"))
        wait_for(lambda: find(app, Atspi.Role.ALERT) is None, "the message box to close")
        check(inputs.get_name() == " Invalid PF value",
              f"the input message label is named after its message ({inputs.get_name()!r})")
    finally:
        quillmark.terminate()
        quillmark.wait()
        xvfb.terminate()
        xvfb.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    run(sys.argv[1])
    print(f"atspi_test: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
