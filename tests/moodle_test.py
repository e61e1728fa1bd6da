"""The Moodle question bank (--moodle), read with an XML parser and held against the
multiple-choice sheets and keys of the same seeds: Moodle's importer itself takes a question
with no right option, and the questions of a file cut short, without a word.
Usage: moodle_test.py PROGRAM"""
import html
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

program = sys.argv[1]
failures = 0

# Each case: kind, level, first seed, questions a sheet, students. Level 1's small numbers
# repeat tasks within a class; the last seed wraps around to 0.
CASES = [
    ("konversi", 1, 17, 3, 2),
    ("konversi", 2, 42, 20, 3),
    ("konversi", 1, 1, 100, 5),
    ("hitung", 1, 7, 30, 4),
    ("hitung", 2, 9000, 5, 3),
    ("pecahan", 1, 42, 3, 1),
    ("pecahan", 1, 5, 100, 3),
    ("pecahan", 2, 123456789, 15, 3),
    ("konversi", 2, 2**64 - 1, 4, 2),
]
KIND_OPTIONS = {"konversi": [], "hitung": ["--hitung"], "pecahan": ["--pecahan"]}
SETTINGS = {"defaultgrade": "1", "penalty": "0", "hidden": "0", "single": "true",
            "shuffleanswers": "0", "answernumbering": "abc"}
DECLARATION = b'<?xml version="1.0" encoding="UTF-8"?>\n'


def check(description, expected, actual):
    global failures
    if expected != actual:
        print(f"FAIL: {description}\n--- expected\n{expected}\n--- actual\n{actual}")
        failures += 1


def run(arguments):
    result = subprocess.run([program, *arguments], capture_output=True)
    check(f"{' '.join(arguments)}: status and message", (0, b""),
          (result.returncode, result.stderr))
    return result.stdout


def questions(page, count):
    """The lines of each of the count questions of a sheet or key, from its "1. " line up to
    the empty line before the next question, or to the page's last line end."""
    starts = []
    for number in range(1, count + 1):
        starts.append(page.index(f"\n\n{number}. ", starts[-1] if starts else 0) + 2)
    ends = [start - 2 for start in starts[1:]] + [len(page) - 1]
    return [page[start:end].split("\n") for start, end in zip(starts, ends)]


def expected_bank(arguments, count, students, first_seed):
    """Every question of every sheet, in sheet order, but for a task asked already: its
    name, task, options, answer's letter and numeral, and working."""
    sheets = run(["--lembar", "--pilihan", *arguments]).decode().split("\f\n")
    keys = run(["--kunci", "--pilihan", "--langkah", *arguments]).decode().split("\f\n")
    bank, tasks = [], set()
    for student in range(students):
        seed = (first_seed + student) % 2**64
        for number, (sheet, key) in enumerate(zip(questions(sheets[student], count),
                                                  questions(keys[student], count)), 1):
            task = sheet[0].removeprefix(f"{number}. ")
            options = [re.fullmatch(r"   ([a-e])\. (.+)", line).groups() for line in sheet[1:]]
            letter, answer = re.fullmatch(r"   Jawaban: ([a-e])\. (.+)", key[1]).groups()
            assert [o[0] for o in options] == list("abcde") and key[0] == sheet[0]
            assert key[2] == "", "the working follows an empty line"
            if task not in tasks:
                tasks.add(task)
                bank.append((f"benih {seed} soal {number}", task, [o[1] for o in options],
                             "abcde".index(letter), answer, "\n".join(key[3:]) + "\n"))
    return bank


def check_question(case, question, name, task, options, right, answer, working):
    label = f"{case}, {name}"
    check(f"{label}: type", "multichoice", question.get("type"))
    check(f"{label}: name", name, question.findtext("name/text"))
    check(f"{label}: task", f"<p>{html.escape(task, False)}</p>",
          question.findtext("questiontext[@format='html']/text"))
    check(f"{label}: working", f"<pre>{html.escape(working, False)}</pre>",
          question.findtext("generalfeedback[@format='html']/text"))
    check(f"{label}: settings", SETTINGS,
          {child.tag: child.text for child in question if child.tag in SETTINGS})
    answers = question.findall("answer")
    texts = [a.findtext("text") for a in answers]
    check(f"{label}: the sheet's options in letter order", options, texts)
    check(f"{label}: five distinct options", 5, len(set(texts)))
    check(f"{label}: the key's letter alone at 100, with the key's answer",
          [("100", answer) if letter == right else ("0", t) for letter, t in enumerate(texts)],
          [(a.get("fraction"), t) for a, t in zip(answers, texts)])
    for letter, a in enumerate(answers):
        feedback = a.findtext("feedback/text")
        if letter == right:
            check(f"{label}: the answer's feedback", "Benar.", feedback)
        else:
            check(f"{label}: option {'abcde'[letter]} has a reason", True,
                  bool(feedback) and feedback != "Benar.")


left_out = 0
for kind, level, seed, count, students in CASES:
    arguments = [*KIND_OPTIONS[kind], f"--tingkat={level}", f"--benih={seed}", f"--soal={count}",
                 f"--siswa={students}"]
    case = " ".join(arguments)
    data = run(["--moodle", *arguments])
    check(f"{case}: the declaration", DECLARATION, data[:len(DECLARATION)])
    check(f"{case}: the file ends with </quiz>", b"</quiz>\n", data[-8:])
    check(f"{case}: ASCII", True, data.isascii())
    try:
        quiz = ET.fromstring(data)
    except ET.ParseError as error:
        check(f"{case}: well-formed", "", str(error))
        continue
    check(f"{case}: root", "quiz", quiz.tag)
    category = quiz[0] if len(quiz) else ET.Element("none")
    check(f"{case}: the category first",
          ("category", f"$course$/top/tavirel/{kind} tingkat {level}/benih {seed}"),
          (category.get("type"), category.findtext("category/text")))
    bank = expected_bank(arguments, count, students, seed)
    left_out += count * students - len(bank)
    check(f"{case}: one question for each distinct task", len(bank), len(quiz) - 1)
    for question, expected in zip(quiz[1:], bank):
        check_question(case, question, *expected)

check("some case repeats a task, so that a question is left out", True, left_out > 0)
if failures == 0:
    print("Moodle question bank: all checks passed")
sys.exit(1 if failures else 0)
