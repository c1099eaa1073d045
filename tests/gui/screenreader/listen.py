#!/usr/bin/python3
"""Drives the program with the keyboard alone, as a blind pupil does, while the screen reader runs,
and checks what the screen reader would say, read from its debug log. Started by run.sh with the
program, the folder of the session and the language (en, de); exits 0 when every utterance was
the one expected, 1 with the differences listed."""

import os
import re
import subprocess
import sys
import time

SPOKEN = re.compile(r" - SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\{.*\}$")

# What the program and the screen reader say, in each language. The program's texts come from its
# translations; "combo box", "push button" and the like are the screen reader's own.
WORDS = {
    "en": {
        "question": r"(\d+) minus (\d+) equals\?",
        "fact": "{a} minus {b} equals {c}",
        "started": ["Flash Cards frame.", "Question panel.", "Start push button.", "Start, and then the next question (Enter)"],
        "question type": ["Question Type panel.", "Practice combo box.", "Practice.",
                          "Practice: one question after another, as long as you like. Speed Round: as many as you can before the time runs out."],
        "name": ["User Name combo box.", "Guest.", "Pick your name before you start: your answers are saved under it."],
        "table": ["Tables of combo box.", "5.", "Tables of 5 asks every table from 1 to 5; Practice asks only the table of 5."],
        "asked after a choice": ["Question panel.", "Answer text.", "Tables of 6. {question}"],
        "asked": ["Answer text.", "{question}"],
        "asked after an operation": ["Question panel.", "Answer text.", "{question}"],
        "right": ["Next Question push button.", "right: {fact}. {correct} correct of {asked}."],
        "wrong": ["Next Question push button.", "wrong: {fact}. {correct} correct of {asked}."],
        "board": ["empty grid for your dots.", "List with 144 items."],
        "tables of": ["Involving.", "Tables of.", "selected radio button", "Tables of 5: every table from 1 to 5."],
        "up to": ["Involving.", "Practice with up to.", "not selected radio button",
                  "Practice with up to 5: only the table of 5, with numbers from 1 to 5."],
        "operations": ["Addition", "Subtraction", "Multiplication", "Division"],
        "operation": ["Operation.", "{name}.", "{checked}radio button", "{tip}"],
        "operation tips": ["Questions that add: 3 + 4 = ?", "Questions that take away: 9 - 4 = ?",
                           "Questions that multiply: 3 x 4 = ?", "Questions that divide: 12 ÷ 4 = ?"],
        "checked": ["not selected ", "selected "],
        "cell": "row {row}, column {column}, {dot}.",
        "dot": "dot",
        "empty": "empty",
        "notebook": ["Arrays page tab list."],
        "results tab": ["Results page tab.", "Every answer you gave, right or wrong."],
        "results": ["Results.", "List with 5 items."],
        "line": "Practice, Subtraction, {fact}, answered {answer}, {verdict}.",
        "right word": "right",
        "wrong word": "wrong",
        "menu": ["File."],
        "first item": ["Print Certificate."],
    },
    "de": {
        "question": r"(\d+) minus (\d+) ist\?",
        "fact": "{a} minus {b} ist {c}",
        "started": ["Rechenkarten Rahmen.", "Aufgabe Panel.", "Start Druckknopf.", "Starten und danach die nächste Aufgabe (Enter)"],
        "question type": ["Übungsart Panel.", "Üben Kombinationsfeld.", "Üben.",
                          "Üben: eine Aufgabe nach der anderen, so lange du willst. Blitzrunde: so viele Aufgaben wie möglich, bevor die Zeit abläuft."],
        "name": ["Name Kombinationsfeld.", "Guest.", "Wähle deinen Namen, bevor du anfängst: Deine Antworten werden unter diesem Namen gespeichert."],
        "table": ["Reihen bis Kombinationsfeld.", "5.", "„Reihen bis 5“ fragt jede Reihe von 1 bis 5 ab; „Nur eine Reihe bis“ fragt nur die 5er-Reihe ab."],
        "asked after a choice": ["Aufgabe Panel.", "Antwort Text.", "Reihen bis 6. {question}"],
        "asked": ["Antwort Text.", "{question}"],
        "asked after an operation": ["Aufgabe Panel.", "Antwort Text.", "{question}"],
        "right": ["Nächste Aufgabe Druckknopf.", "richtig: {fact}. {correct} von {asked} richtig."],
        "wrong": ["Nächste Aufgabe Druckknopf.", "falsch: {fact}. {correct} von {asked} richtig."],
        "board": ["leeres Feld für deine Punkte.", "Liste mit 144 Einträgen."],
        "tables of": ["Zahlen.", "Reihen bis.", "ausgewählt Radioknopf", "Reihen bis 5: jede Reihe von 1 bis 5."],
        "up to": ["Zahlen.", "Nur eine Reihe bis.", "nicht ausgewählt Radioknopf",
                  "Nur eine Reihe bis 5: nur die 5er-Reihe, mit Zahlen von 1 bis 5."],
        "operations": ["Addition", "Subtraktion", "Multiplikation", "Division"],
        "operation": ["Rechenart.", "{name}.", "{checked}Radioknopf", "{tip}"],
        "operation tips": ["Plusaufgaben: 3 + 4 = ?", "Minusaufgaben: 9 - 4 = ?", "Malaufgaben: 3 x 4 = ?",
                           "Geteiltaufgaben: 12 ÷ 4 = ?"],
        "checked": ["nicht ausgewählt ", "ausgewählt "],
        "cell": "Reihe {row}, Spalte {column}, {dot}.",
        "dot": "Punkt",
        "empty": "leer",
        "notebook": ["Punktefeld Seitenreiter-Liste."],
        "results tab": ["Ergebnisse Seitenreiter.", "Jede Antwort, die du gegeben hast, richtig oder falsch."],
        "results": ["Ergebnisse.", "Liste mit 5 Einträgen."],
        "line": "Üben, Subtraktion, {fact}, Antwort {answer}, {verdict}.",
        "right word": "richtig",
        "wrong word": "falsch",
        "menu": ["Datei."],
        "first item": ["Urkunde drucken."],
    },
}


class ScreenReader:
    """What the screen reader says, read from its debug log as it is written."""

    def __init__(self, log):
        self.log = log
        self.offset = 0

    def _new_lines(self):
        try:
            with open(self.log, "rb") as f:
                f.seek(self.offset)
                data = f.read()
        except FileNotFoundError:
            return []
        end = data.rfind(b"\n") + 1
        self.offset += end
        return data[:end].decode("utf-8", errors="replace").splitlines()

    def listen(self, wait=8.0, quiet=1.0, longest=15.0):
        """What is said from now until nothing more is said for `quiet` seconds, or nothing at all
        within `wait` seconds. While the screen reader still logs anything, it may still be working
        towards an utterance, so the quiet is of the whole log; a log kept busy by events that are
        never spoken, such as a running clock's, ends the listening after `longest` seconds."""
        said = []
        start = last = time.monotonic()
        while True:
            lines = self._new_lines()
            now = time.monotonic()
            if lines:
                last = now
                said += [m[1] for m in map(SPOKEN.search, lines) if m]
            if (said and now - last > quiet) or (not said and now - start > wait) or now - start > longest:
                return said
            time.sleep(0.05)

    def after(self, *keys, text=None):
        """What is said after the keys are pressed, or the text typed."""
        self.listen(wait=0.3, quiet=0.3)  # what is still being said belongs to the step before
        if text is not None:
            subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
        for key in keys:
            if key == "alt":
                # Alone, as a hand presses it: down, a moment, up.
                subprocess.run(["xdotool", "keydown", "alt", "sleep", "0.15", "keyup", "alt"], check=True)
            else:
                subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        return self.listen()


class Drill:
    def __init__(self, language, reader):
        self.words = WORDS[language]
        self.reader = reader
        self.failures = []

    def hears(self, step, heard, wanted):
        ok = heard == wanted
        print(("ok    " if ok else "FAIL  ") + step + ": " + repr(heard) + ("" if ok else "\n      wanted " + repr(wanted)))
        if not ok:
            self.failures.append(step)
        return ok

    def said(self, key, **values):
        return [line.format(**values) for line in self.words[key]]

    def question(self, heard):
        match = re.fullmatch(r"(?:.*\. )?" + self.words["question"], heard[-1] if heard else "")
        return (int(match[1]), int(match[2])) if match else None

    def run(self):
        reader = self.reader
        self.hears("the program starts", reader.listen(wait=30), self.said("started"))
        self.hears("Tab to the question type", reader.after("Tab"), self.said("question type"))
        self.hears("Tab to the names", reader.after("Tab"), self.said("name"))
        self.hears("Down to the next name", reader.after("Down"), ["Anna."])
        self.hears("Tab to the tables", reader.after("Tab"), self.said("table"))
        self.hears("Tab to the first number choice", reader.after("Tab"), self.said("tables of"))
        self.hears("Tab to the second", reader.after("Tab"), self.said("up to"))
        self.hears("Tab to the operations", reader.after("Tab"), self.said("operation", name=self.words["operations"][0], checked=self.words["checked"][0], tip=self.words["operation tips"][0]))
        self.hears("Tab to the next", reader.after("Tab"), self.said("operation", name=self.words["operations"][1], checked=self.words["checked"][0], tip=self.words["operation tips"][1]))
        self.hears("Tab to the next", reader.after("Tab"), self.said("operation", name=self.words["operations"][2], checked=self.words["checked"][1], tip=self.words["operation tips"][2]))
        # Up checks the operation before it and asks at once; the question, which says the
        # operation, takes the focus right after the button does, so the screen reader may leave
        # the button unsaid.
        heard = reader.after("Up")
        asked = self.said("asked after an operation", question=heard[-1] if heard else "")
        button = self.said("operation", name=self.words["operations"][1], checked=self.words["checked"][1], tip=self.words["operation tips"][1])
        self.hears("Up to subtraction asks a question", heard, heard if heard in (asked, button + asked) else asked)
        if not self.question(heard):
            return None

        # Back to the tables, and Down there asks the next question, which says the new choice.
        heard = reader.after("Tab", "Tab", "Tab", "Tab")
        self.hears("Tab back to the tables", heard[-2:], self.said("table")[-2:])
        heard = reader.after("Down")
        operands = self.question(heard)
        if not operands:
            return self.hears("Down on the tables asks a question", heard, ["<a question>"])
        a, b = operands
        self.hears("Down on the tables asks a question", heard,
                   self.said("asked after a choice", question=heard[-1].split(". ", 1)[-1]))

        # Five questions: the third answered wrong, the others right; Enter on Next Question asks.
        lines = []
        correct = 0
        for asked in range(1, 6):
            answer = a - b + (1 if asked == 3 else 0)
            right = answer == a - b
            correct += right
            fact = self.words["fact"].format(a=a, b=b, c=a - b)
            lines.append(self.words["line"].format(fact=fact, answer=answer,
                                                   verdict=self.words["right word" if right else "wrong word"]))
            self.hears(f"answer {asked}", reader.after("Return", text=str(answer)),
                       self.said("right" if right else "wrong", fact=fact, correct=correct, asked=asked))
            if asked == 5:
                break
            heard = reader.after("Return")
            operands = self.question(heard)
            if not operands:
                return self.hears(f"Next Question asks question {asked + 1}", heard, ["<a question>"])
            a, b = operands
            self.hears(f"Next Question asks question {asked + 1}", heard, self.said("asked", question=heard[-1]))

        # The board of the last question, cell by cell.
        def cell(row, column, dot):
            return self.words["cell"].format(row=row, column=column, dot=self.words["dot" if dot else "empty"])

        def dot(row, column):
            return False  # a subtraction shows an empty grid for the pupil's dots

        self.hears("Shift+Tab to the board", reader.after("shift+Tab"),
                   self.said("board") + [cell(1, 1, dot(1, 1))])
        self.hears("Right on the board", reader.after("Right"), [cell(1, 2, dot(1, 2))])
        self.hears("Down on the board", reader.after("Down"), [cell(2, 2, dot(2, 2))])
        self.hears("space places a dot", reader.after("space"), [cell(2, 2, True)])
        self.hears("Up", reader.after("Up"), [cell(1, 2, dot(1, 2))])
        self.hears("Up again at the edge", reader.after("Up"), [cell(1, 2, dot(1, 2))])

        # The results page, line by line.
        self.hears("Shift+Tab to the notebook", reader.after("shift+Tab"), self.said("notebook"))
        self.hears("Right to the results", reader.after("Right"), self.said("results tab"))
        heard = reader.after("Tab", "Tab", "Tab", "Tab", "Tab", "Tab")
        self.hears("Tab to the results", heard[-3:], self.said("results") + [lines[0]])
        self.hears("Down to the second line", reader.after("Down"), [lines[1]])
        self.hears("End to the last line", reader.after("End"), [lines[4]])

        # The menus.
        # The menus: Alt alone, then F10, each key heard out before the next.
        self.hears("Alt reaches the menus", reader.after("alt"), self.said("menu"))
        self.hears("Down opens the first", reader.after("Down"), self.said("first item"))
        reader.after("Escape")
        reader.after("Escape")
        self.hears("F10 opens the menus", reader.after("F10"), self.said("menu"))
        return None


def main():
    program, work, language = sys.argv[1:4]
    reader = ScreenReader(os.path.join(work, "orca.log"))
    if not reader.listen(wait=30, quiet=0.5):
        print("the screen reader said nothing at its start")
        return 1

    # The class folder is the working folder, with three names on the roster.
    folder = os.path.join(work, "class")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "studnames.txt"), "wb") as roster:
        roster.write(b"Guest\r\nAnna\r\nBen\r\n")
    with open(os.path.join(work, "program.log"), "w") as log:
        program = subprocess.Popen([program, "--lang=" + language], cwd=folder, stdout=log, stderr=log,
                                   env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        drill = Drill(language, reader)
        drill.run()
    finally:
        program.terminate()
        program.wait(10)
    print(f"{len(drill.failures)} failed" if drill.failures else "all held")
    return 1 if drill.failures else 0


if __name__ == "__main__":
    sys.exit(main())
