#!/usr/bin/python3
"""Checks, from the accessibility bus, what a screen reader gets from the running program while
keys are pressed as a pupil presses them. Started by run.sh; exits 0 when all holds, 1 with the
failures listed, 77 when the bus cannot be reached."""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
events = []  # (kind, role, name, description, detail) in the order they arrived


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def on_event(event):
    try:
        source = event.source
        events.append((event.type, source.getRoleName(), source.name, source.description, event.detail1))
    except Exception:  # an object gone before its event was read
        pass


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)
    pump(0.2)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)
    pump(0.2)


def settle(read, done, seconds=10):
    """Reads again, letting events in, until done(what was read) or the time is up; a slow
    machine only waits longer."""
    end = time.monotonic() + seconds
    while True:
        value = read()
        if done(value) or time.monotonic() > end:
            return value
        pump(0.1)


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def focused(frame):
    found = []
    for node in walk(frame):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            found.append(node)
    return found


def the_focus(frame):
    """The one focused object as (role, name, description), or how many have the focus."""
    try:
        now = [(n.getRoleName(), n.name, n.description) for n in focused(frame)]
    except Exception as error:  # the tree changed while it was read; read again
        return ("focus on", -1, f"objects, the tree changing: {error}")
    return now[0] if len(now) == 1 else ("focus on", len(now), "objects: " + repr(now))


def focus_brought(role, name):
    """Whether the object's focus event came after every change of its description, so that
    the focus brought what it says."""
    settle(lambda: events, lambda seen: any(e[0].startswith("object:state-changed:focused") and e[1] == role
                                            and e[2] == name and e[4] == 1 for e in seen), 5)
    focus_at = None
    for at, (kind, event_role, event_name, _, detail) in enumerate(events):
        if event_role == role and event_name == name:
            if kind.startswith("object:state-changed:focused") and detail == 1:
                focus_at = at
            elif kind.startswith("object:property-change:accessible-description") and focus_at is not None:
                return False
    return focus_at is not None


def answer_of(question):
    match = re.fullmatch(r"(\d+) (plus|minus|times|divided by) (\d+) equals\?", question)
    if not match:
        return None
    a, word, b = int(match[1]), match[2], int(match[3])
    return {"plus": a + b, "minus": a - b, "times": a * b, "divided by": a // b if b else 0}[word]


def main():
    try:
        desktop = None
        end = time.monotonic() + 20
        while desktop is None and time.monotonic() < end:
            try:
                desktop = pyatspi.Registry.getDesktop(0)
                desktop.childCount
            except Exception:
                desktop = None
                time.sleep(0.2)
        if desktop is None:
            raise RuntimeError("no registry")
    except Exception as error:
        print(f"SKIPPED: the accessibility bus cannot be reached ({error})")
        return 77

    app = None
    end = time.monotonic() + 30
    while app is None and time.monotonic() < end:
        for index in range(desktop.childCount):
            candidate = desktop.getChildAtIndex(index)
            if candidate is not None and candidate.name == "Quorvex":
                app = candidate
        if app is None:
            time.sleep(0.2)
    check(app is not None, "the program is on the bus as Quorvex")
    if app is None:
        return 1
    frames = [app.getChildAtIndex(i) for i in range(app.childCount)]
    frame = next((f for f in frames if f is not None and f.name == "Flash Cards"), None)
    check(frame is not None, 'its frame is "Flash Cards"')
    if frame is None:
        return 1

    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:focused", "object:property-change:accessible-name",
        "object:property-change:accessible-description")
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Flash Cards$"],
                            capture_output=True, text=True, timeout=20).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    pump(0.5)

    # Before anything: one object has the focus, Start.
    start = ("push button", "Start", "Start, and then the next question (Enter)")
    check(settle(lambda: the_focus(frame), lambda f: f == start) == start, "the focus starts on Start, alone")

    # Every drop-down is announced with its label.
    labels = {}
    for node in walk(frame):
        if node.getRoleName() == "combo box" and node.getState().contains(pyatspi.STATE_SHOWING):
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    labels.setdefault(node.name, []).append(relation.getTarget(0).name)
    check("User Name" in labels.get("Guest", []), 'the name list "Guest" is labelled "User Name"')
    check("Tables of" in labels.get("5", []), 'the table list "5" is labelled "Tables of"')
    check("Question Type" in labels.get("Practice", []), 'the question type "Practice" is labelled "Question Type"')

    # Hidden helpers expose no internal names.
    names = {node.name for node in walk(frame)}
    internal = names & {"ttimbt", "resltsbt", "sortbt", "hisbt", "cleanupcb", "deletecb", "srlb"}
    check(not internal, "no internal names on the bus " + (repr(sorted(internal)) if internal else ""))

    # Start: the answer box takes the focus and says the question.
    events.clear()
    key("Return")
    focus = settle(lambda: the_focus(frame), lambda f: answer_of(str(f[2])) is not None)
    question = focus[2] if focus[:2] == ("text", "Answer") else ""
    check(answer_of(question) is not None, f"after Start the focus is on the answer box saying the question: {focus}")
    check(focus_brought("text", "Answer") is True, "the question was there before the focus came")

    # No flood while the question is open: the running clocks are silent.
    events.clear()
    pump(2.0)
    check(len(events) == 0, f"nothing is announced while the question waits 2 s ({len(events)} events)")

    # Enter with the right answer: Next Question takes the focus and says the result.
    right = answer_of(question) or 0
    fact = question[:-1] + " " + str(right)
    events.clear()
    type_text(str(right))
    key("Return")
    said = ("push button", "Next Question", f"right: {fact}. 1 correct of 1.")
    check(settle(lambda: the_focus(frame), lambda f: f == said) == said,
          f'after Enter the focus is on Next Question saying "right: {fact}. 1 correct of 1."')
    check(focus_brought("push button", "Next Question") is True, "the result was there before the focus came")

    # Enter again: the next question, then a wrong answer.
    events.clear()
    key("Return")
    focus = settle(lambda: the_focus(frame), lambda f: answer_of(str(f[2])) is not None)
    question = focus[2] if focus[:2] == ("text", "Answer") else ""
    check(answer_of(question) is not None, f"after Enter again the answer box says the next question: {focus}")
    check(focus_brought("text", "Answer") is True, "the next question was there before the focus came")
    wrong = (answer_of(question) or 0) + 1
    type_text(str(wrong))
    key("Return")
    fact = question[:-1] + " " + str(wrong - 1)
    said = ("push button", "Next Question", f"wrong: {fact}. 1 correct of 2.")
    check(settle(lambda: the_focus(frame), lambda f: f == said) == said,
          f'a wrong answer is said: "wrong: {fact}. 1 correct of 2."')

    # The results in words.
    results = [n for n in walk(frame) if n.name == "Results" and n.getRoleName() == "list"]
    said = results[0].description if results else ""
    check(f"{fact}, answered {wrong}, wrong" in said and "=" not in said,
          f'the results page says "{fact}, answered {wrong}, wrong": {said!r}')

    # Tab reaches every control in turn, one focus at a time, and the board says its cells.
    seen = []
    focus = said
    for _ in range(40):
        key("Tab")
        before = focus
        focus = settle(lambda: the_focus(frame), lambda f: f[0] != "focus on" and f != before, 5)
        check(focus[0] != "focus on", f"one object has the focus after Tab: {focus}")
        if focus[0] in ("focus on", "list item"):
            break
        seen.append(focus[1])
    check(seen[:10] == ["Practice", "Guest", "5", "Tables of", "Practice with up to", "Addition", "Subtraction",
                        "Multiplication", "Division", "Include zero"],
          f"Tab goes through the settings in order: {seen}")
    check(focus[:2] == ("list item", "row 1, column 1" + (", dot" if " times " in question else ", empty")),
          f"Tab reaches the board, on its first cell: {focus}")
    if focus[0] != "list item":
        return 1
    a, b = (int(n) for n in re.findall(r"\d+", question)[:2])
    dots = (lambda row, column: row <= a and column <= b) if " times " in question else lambda row, column: False
    for press, row, column in (("Right", 1, 2), ("Down", 2, 2), ("Left", 2, 1)):
        events.clear()
        key(press)
        expected = f"row {row}, column {column}" + (", dot" if dots(row, column) else ", empty")
        focus = settle(lambda: the_focus(frame), lambda f: f[1] == expected, 5)
        settle(lambda: events, lambda seen: any(e[0].startswith("object:state-changed:focused") and e[4] == 1
                                                for e in seen), 5)
        told = [e[2] for e in events if e[0].startswith("object:state-changed:focused") and e[4] == 1]
        check(focus[:2] == ("list item", expected) and told == [expected],
              f'{press} on the board gives the focus to "{expected}": {focus}, {told}')

    print(f"{len(failures)} failed" if failures else "all held")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
