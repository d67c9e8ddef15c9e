"""The real program read and played through AT-SPI, as a screen reader does.

    accessibility.py PROGRAM

Runs on a display (X11 or Wayland) inside a private session bus. Starts the
program with Qt's accessibility bridge on, enters two players through the
dialog's accessible objects, then rolls, holds, scores and passes the turn
through the window's. Each step names what must then read differently; all
else must read as before, every change must come with its event and no
other, and every object of the window must lie where it is painted.
"""
import os
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# libatspi 2.46 marks the action's name as deprecated, naming no successor.
warnings.filterwarnings("ignore", category=DeprecationWarning)

TITLE = "Dorvanex by Harvelo"
ROWS = ["Ones", "Twos", "Threes", "Fours", "Fives", "Sixes", "Subtotal", "Bonus", "Upper Total",
        "Three of a Kind", "Four of a Kind", "Full House", "Small Straight", "Large Straight",
        "Dorvanex", "Chance", "Bottom Subtotal", "Grand Total"]
COMPUTED = {"Subtotal", "Bonus", "Upper Total", "Bottom Subtotal", "Grand Total"}
# The objects of each window in their order, by the names the steps use.
DIALOG = ["ok", "box1", "box2", "box3", "box4", "field1", "field2", "field3", "field4", "guide"]
WINDOW = ["title", "die1", "die2", "die3", "die4", "die5", "roll", "name", *ROWS,
          "total1", "total2"]
# Where each part of the window is painted, in client pixels: x, y, width, height.
PAINTED = {"title": (2, 2), "roll": (20, 400, 50, 20), "name": (20, 50, 130, 20),
           "total1": (225, 100, 50, 20), "total2": (225, 125, 50, 20)}
PAINTED.update({row: (140, 100 + 25 * r, 50, 20) if row in COMPUTED else (120, 100 + 25 * r, 30, 20)
                for r, row in enumerate(ROWS)})


def rolled(*dice):
    return {f"die{i}": f"Die {i} showing [1-6]" for i in dice}


# Each step: the action, the object acted on, and what then reads differently
# (patterns; {f1}..{f5} are the faces before the step, {sum} their sum). A
# reading is the name, after "checked" and "disabled" where those hold, and
# for a field " = " and its text.
DIALOG_START = {"ok": "OK", "box1": "Name 1", "guide": "At least one player .*"}
DIALOG_START.update({f"box{k}": f"disabled Name {k}" for k in (2, 3, 4)})
DIALOG_START.update({f"field{k}": f"disabled Name {k} = " for k in (1, 2, 3, 4)})
DIALOG_STEPS = [
    ("toggle", "box1", {"box1": "checked Name 1", "field1": "Name 1 = ", "box2": "Name 2"}),
    ("type Ann", "field1", {"field1": "Name 1 = Ann"}),
    ("toggle", "box2", {"box2": "checked Name 2", "field2": "Name 2 = ", "box3": "Name 3"}),
    ("type Bob", "field2", {"field2": "Name 2 = Bob"}),
]
WINDOW_START = {"title": TITLE, "roll": "Roll 0", "name": "Ann", "total1": "Ann: empty",
                "total2": "Bob: empty", **rolled(1, 2, 3, 4, 5)}
WINDOW_START.update({row: f"{row}: 0" if row in COMPUTED else f"{row}: empty" for row in ROWS})
WINDOW_STEPS = [
    ("press", "roll", {"roll": "Roll 1", **rolled(1, 2, 3, 4, 5)}),
    ("toggle", "die1", {"die1": "checked Die 1 showing {f1}"}),
    ("press", "roll", {"roll": "Roll 2", **rolled(2, 3, 4, 5)}),
    ("press", "roll", {"roll": "Roll 3", **rolled(2, 3, 4, 5)}),
    ("press", "roll", {}),  # a fourth roll is refused
    ("press", "Chance", {"die1": "Die 1 showing {f1}", "roll": "Roll 0", "name": "Bob",
                         "total1": "Ann: {sum}"}),
    ("press", "name", {"name": "Ann", "Chance": "Chance: {sum}",
                       "Bottom Subtotal": "Bottom Subtotal: {sum}",
                       "Grand Total": "Grand Total: {sum}"}),
]


def fail(text):
    print("FAIL:", text)
    sys.exit(1)


def pump(seconds):
    context, end = GLib.MainContext.default(), time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, find, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    fail(f"no {what} after {seconds} s")


def children(obj):
    return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]


def top_level(name):
    for app in children(Atspi.get_desktop(0)):
        for window in children(app) if app.get_process_id() == game.pid else []:
            if window.get_name() == name and \
                    window.get_state_set().contains(Atspi.StateType.SHOWING):
                return window


def state(obj):
    """name, checked, enabled and text of one object."""
    states = obj.get_state_set()
    text = obj.get_text(0, -1) if obj.get_role() == Atspi.Role.TEXT else None
    return (obj.get_name(), states.contains(Atspi.StateType.CHECKED),
            states.contains(Atspi.StateType.ENABLED), text)


def reading(name, checked, enabled, text):
    return ("checked " if checked else "") + ("" if enabled else "disabled ") + name + (
        "" if text is None else " = " + text)


def check_parts(window, objects):
    """Each part's role, and its place, which must be where it is painted."""
    for key, obj in objects.items():
        role = "check box" if key.startswith("die") else \
            "label" if key == "title" or key.startswith("total") else "push button"
        place, size = obj.get_position(Atspi.CoordType.WINDOW), obj.get_size()
        got = (place.x, place.y, size.x, size.y)
        held = obj.get_state_set().contains(Atspi.StateType.CHECKED)
        want = PAINTED.get(key) or (20 + 50 * held, 50 + 50 * int(key[-1]), 35, 35)
        if obj.get_role_name() != role or got[:len(want)] != want:
            fail(f"{key} is a {obj.get_role_name()} at {got}, expected a {role} at {want}")
        centre = window.get_accessible_at_point(place.x + size.x // 2, place.y + size.y // 2,
                                                Atspi.CoordType.WINDOW)
        if centre != obj:
            fail(f"the object at the centre of {key} is not {key}")


def run(window, keys, steps, start):
    objects = dict(zip(keys, children(window)))
    states = {key: state(obj) for key, obj in objects.items()}
    readings = {key: reading(*s) for key, s in states.items()}
    for key, pattern in start.items():
        if not re.fullmatch(pattern, readings[key]):
            fail(f"{key} reads '{readings[key]}' at the start, expected '{pattern}'")
    for action, target, changes in steps:
        faces = {f"f{i}": int(readings[f"die{i}"][-1])
                 for i in range(1, 6)} if "die1" in keys else {}
        expected = {key: re.escape(text) for key, text in readings.items()}
        expected.update({key: pattern.format(sum=sum(faces.values()), **faces)
                         for key, pattern in changes.items()})
        del events[:]
        obj = objects[target]
        if action.startswith("type "):
            Atspi.EditableText.insert_text(obj, 0, action[5:], len(action[5:]))
        else:
            if Atspi.Action.get_action_name(obj, 0) != action.capitalize():
                fail(f"{target}'s action is {Atspi.Action.get_action_name(obj, 0)}, not {action}")
            Atspi.Action.do_action(obj, 0)

        def settled():
            now = {key: state(obj) for key, obj in objects.items()}
            matches = all(re.fullmatch(expected[key], reading(*now[key])) for key in keys)
            return now if matches else None
        label = f"'{action}' on {target}"
        now = wait_for(f"expected reading after {label}", settled)
        want = {(kind, key) for key in keys
                for kind, i in (("name", 0), ("checked", 1), ("enabled", 2))
                if now[key][i] != states[key][i]}
        wait_for(f"event of each change after {label}", lambda: want <= set(events))
        pump(0.3)
        if set(events) != want:
            fail(f"after {label} the events were {sorted(set(events))}, expected {sorted(want)}")
        states, readings = now, {key: reading(*s) for key, s in now.items()}
        if window.get_role() == Atspi.Role.FRAME:
            check_parts(window, objects)
        if (action, target) == ("toggle", "die1"):
            print("The window after one roll, with die 1 held:")
            for obj in objects.values():
                place, size = obj.get_position(Atspi.CoordType.WINDOW), obj.get_size()
                held = obj.get_state_set().contains(Atspi.StateType.CHECKED)
                checked = " checked" if held else ""
                print(f"  {obj.get_role_name()} '{obj.get_name()}'{checked}"
                      f" at ({place.x}, {place.y}) {size.x}x{size.y}")
        print(f"ok: {label}")


def on_event(event):
    source, parent = event.source, event.source.get_parent()
    keys = {Atspi.Role.DIALOG: DIALOG, Atspi.Role.FRAME: WINDOW}.get(
        parent.get_role() if parent else None)
    if keys:
        kind = "name" if "property-change" in event.type else event.type.split(":")[-1]
        events.append((kind, keys[source.get_index_in_parent()]))


events = []
listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:checked", "object:state-changed:enabled",
             "object:property-change:accessible-name"):
    listener.register(kind)
game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    dialog = wait_for("player-entry dialog", lambda: top_level("Dorvanex Player Entry"))
    run(dialog, DIALOG, DIALOG_STEPS, DIALOG_START)
    Atspi.Action.do_action(dict(zip(DIALOG, children(dialog)))["ok"], 0)
    window = wait_for("main window", lambda: top_level(TITLE))
    check_parts(window, dict(zip(WINDOW, children(window))))
    run(window, WINDOW, WINDOW_STEPS, WINDOW_START)
    if os.environ.get("DISPLAY"):
        # Closed as a window manager's close button does, so that the program
        # ends as it always does (under the sanitizers, with its leak check).
        from Xlib import X, display, protocol
        x = display.Display()
        for xwindow in x.screen().root.query_tree().children:
            if xwindow.get_wm_name() == TITLE:
                xwindow.send_event(protocol.event.ClientMessage(
                    window=xwindow, client_type=x.intern_atom("WM_PROTOCOLS"),
                    data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        x.flush()
        try:
            status = game.wait(15)
        except subprocess.TimeoutExpired:
            fail("the program still runs 15 s after its window was closed")
        if status != 0:
            fail(f"the program ended with status {status} after its window was closed")
        print("ok: the program ended with status 0 after its window was closed")
finally:
    if game.poll() is None:
        game.kill()
