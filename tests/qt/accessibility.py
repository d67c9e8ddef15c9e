"""The real program read and played through AT-SPI, as a screen reader does.

    accessibility.py PROGRAM WORK_DIR [orca]

Run by accessibility.sh on a display, inside a session bus of its own, with
Qt's accessibility bridge switched on. Starts the program, enters two players
through the dialog's accessible objects, then rolls, holds, scores and passes
the turn through the window's. After each step the objects that the step
names must read as given and all others as before, each change of a name or
state must have sent its event, and every object of the window must have its
role and lie where it is painted, and be found there. With "orca", the
screen reader Orca reviews the window after the hold instead, and must say
every object.
"""
import os, re, subprocess, sys, time  # noqa: E401
from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

TITLE, WIN, STATE = "Dorvanex by Harvelo", Atspi.CoordType.WINDOW, Atspi.StateType
ROLES = {"d": "check box", "t": "label"}  # by the first letter of a window's key; else push button
ROWS = ("Ones,Twos,Threes,Fours,Fives,Sixes,Subtotal,Bonus,Upper Total,Three of a Kind,"
        "Four of a Kind,Full House,Small Straight,Large Straight,Dorvanex,Chance,"
        "Bottom Subtotal,Grand Total").split(",")
COMPUTED = {"Subtotal", "Bonus", "Upper Total", "Bottom Subtotal", "Grand Total"}
# Where each part of the window is painted, in client pixels: x, y, width,
# height (the title's size follows its font). A die lies at its home, or 50
# pixels to the right while held.
PAINTED = {"title": (2, 2), "roll": (20, 400, 50, 20), "name": (20, 50, 130, 20),
           "total1": (225, 100, 50, 20), "total2": (225, 125, 50, 20),
           **{row: (140, 100 + 25 * r, 50, 20) if row in COMPUTED else (120, 100 + 25 * r, 30, 20)
              for r, row in enumerate(ROWS)}}
DICE = {f"die{i}": f"Die {i} showing [1-6]" for i in range(1, 6)}
# An object reads as its name, after "checked" and "disabled" where those
# hold, and for a field " = " and its text. Each step gives the action, the
# object acted on, and the patterns of what then reads differently; where a
# window opens, the table of its objects in their order, as they first read.
DIALOG = {"ok": "OK", "box1": "Name 1", **{f"box{k}": f"disabled Name {k}" for k in (2, 3, 4)},
          **{f"field{k}": f"disabled Name {k} = " for k in (1, 2, 3, 4)}, "guide": "At least .*"}
WINDOW = {"title": TITLE, **DICE, "roll": "Roll 0", "name": "Ann",
          **{row: f"{row}: 0" if row in COMPUTED else f"{row}: empty" for row in ROWS},
          "total1": "Ann: empty", "total2": "Bob: empty"}
STEPS = [
    ("start", "", DIALOG),
    ("toggle", "box1", {"box1": "checked Name 1", "field1": "Name 1 = ", "box2": "Name 2"}),
    ("type Ann", "field1", {"field1": "Name 1 = Ann"}),
    ("toggle", "box2", {"box2": "checked Name 2", "field2": "Name 2 = ", "box3": "Name 3"}),
    ("type Bob", "field2", {"field2": "Name 2 = Bob"}),
    ("press", "ok", WINDOW),
    ("press", "roll", {"roll": "Roll 1", **DICE}),
    ("toggle", "die1", {"die1": "checked Die 1 showing [1-6]"}),
    ("press", "Chance", {"die1": "Die 1 showing [1-6]", "roll": "Roll 0", "name": "Bob",
                         "total1": r"Ann: \d+"}),
    ("press", "name", {"name": "Ann", **{row: rf"{row}: \d+"
                                         for row in ("Chance", "Bottom Subtotal", "Grand Total")}}),
]
# The events' last part for a change of state()'s name, checked and enabled.
EVENTS = ("accessible-name", "checked", "enabled")


def wait_for(find, seconds=10):
    """find()'s first true result within about the time, handling events meanwhile; else None."""
    for _ in range(seconds * 20):
        while GLib.MainContext.default().iteration(False):
            pass
        if found := find():
            return found
        time.sleep(0.05)


def children(*objs):
    return [obj.get_child_at_index(i) for obj in objs for i in range(obj.get_child_count())]


def state(obj):
    """The object's name, whether it is checked and enabled, and how it reads."""
    name, states = obj.get_name(), obj.get_state_set()
    checked, enabled = states.contains(STATE.CHECKED), states.contains(STATE.ENABLED)
    text = " = " + obj.get_text(0, -1) if obj.get_role_name() == "text" else ""
    return name, checked, enabled, "checked " * checked + "disabled " * (not enabled) + name + text


def run(orca):
    """Takes the steps; with orca, has Orca review the window after the hold instead of the rest."""
    for action, target, changes in STEPS:
        events.clear()
        if action.startswith("type "):
            Atspi.EditableText.insert_text(objects[target], 0, action[5:], len(action) - 5)
        elif action != "start":
            Atspi.Action.do_action(objects[target], 0)
        if changes in (DIALOG, WINDOW):  # a window opens, showing all the table's objects
            window = wait_for(lambda: next((w for w in children(*children(Atspi.get_desktop(0)))
                                            if w.get_child_count() == len(changes)), None)) or \
                sys.exit(f"no window shows the {len(changes)} objects of the table")
            objects, readings, before = dict(zip(changes, children(window))), {}, {}
        expected = {**{key: re.escape(text) for key, text in readings.items()}, **changes}

        def settled():
            """The objects' states once all read as expected and every change sent its event."""
            now = {key: state(obj) for key, obj in objects.items()}
            changed = {(kind, objects[key]) for key in before for i, kind in enumerate(EVENTS)
                       if now[key][i] != before[key][i]}
            return changed <= events and all(re.fullmatch(expected[key], now[key][3])
                                             for key in objects) and now
        before = wait_for(settled) or sys.exit(
            f"after {action} {target}: {[state(obj)[3] for obj in objects.values()]}, events "
            f"{[(kind, obj.get_name()) for kind, obj in events]}")
        readings = {key: now[3] for key, now in before.items()}
        for key, obj in objects.items() if window.get_role_name() == "frame" else {}:
            at, size, held = obj.get_position(WIN), obj.get_size(), before[key][1]
            got, role = (at.x, at.y, size.x, size.y), obj.get_role_name()
            want = PAINTED.get(key) or (20 + 50 * held, 50 + 50 * int(key[-1]), 35, 35)
            found = window.get_accessible_at_point(at.x + size.x // 2, at.y + size.y // 2, WIN)
            if (role, got[:len(want)], found) != (ROLES.get(key[0], "push button"), want, obj):
                sys.exit(f"{key} is a {role} at {got}, painted at {want}, or is not found there")
            if target == "die1":
                print("The window after one roll, with die 1 held:\n" * (key == "title") +
                      f"  {role} '{before[key][3]}' at {got}")
        if orca and target == "die1":
            return orca_review(readings)


def orca_review(readings):
    """Orca's flat review of the window, which must say every object."""
    home, log = os.path.join(sys.argv[2], "orca"), Path(sys.argv[2], "orca.log")
    os.makedirs(home, mode=0o700, exist_ok=True)
    log.write_text("")
    # An empty speech server factory leaves speech on with no server behind
    # it, so Orca's debug log keeps every line it would speak.
    Path(home, "user-settings.conf").write_text(
        '{"general": {"speechServerFactory": ""}, "profiles": {"default": {}},'
        ' "pronunciations": {}, "keybindings": {}}')
    # Orca writes its log to a terminal line by line, and script(1) copies it
    # to a file as it comes. Both end with this client.
    orca = f"exec setpriv --pdeathsig KILL orca -u '{home}' --debug-file /dev/stdout"
    subprocess.Popen(["setpriv", "--pdeathsig", "KILL", "script", "-qfc", orca, log],
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                     env=dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home))

    def spoken():
        return re.findall(r" - SPEECH OUTPUT: '(.*)'[\[{]", log.read_text(errors="replace"))
    wait_for(lambda: f"{TITLE} frame." in spoken()) or sys.exit("Orca did not come to the window")
    # The desktop layout's flat review: the current line (keypad 8), then the
    # next (keypad 9) until all 25 lines have been read. The keys go in the
    # background: key events stall while this client stops serving the bus.
    keys = subprocess.Popen(["xdotool", "key", "--delay", "120", "KP_Up", *["KP_Page_Up"] * 24])
    wait_for(lambda: readings["Grand Total"] in spoken()) or sys.exit("Orca's review did not end")
    keys.wait()
    review = spoken()[spoken().index(f"{TITLE} frame.") + 1:]
    print("Orca's flat review said, line by line:", *review, sep="\n  ")
    missed = [text for text in readings.values()
              if not re.search(rf"(^| ){re.escape(text)}( |$)", "\n".join(review), re.M)]
    not missed or sys.exit(f"Orca's review did not say {missed}")


events = set()
listener = Atspi.EventListener.new(lambda e: events.add((e.type.split(":")[-1], e.source)))
listener.register("object:")
# The program ends with this client, whatever way it ends.
game = subprocess.Popen(["setpriv", "--pdeathsig", "KILL", sys.argv[1]])
run(sys.argv[3:] == ["orca"])
# On X the window is then destroyed, as another X client may, and the program
# must end as after a close: with status 0, and under the sanitizers with
# their check for leaks, the accessible objects included.
if os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY") and sys.argv[3:] != ["orca"]:
    subprocess.run(["xdotool", "search", "--name", f"^{TITLE}$", "windowclose"], check=True)
    game.wait(15) == 0 or sys.exit(f"the program ended with status {game.returncode}")
