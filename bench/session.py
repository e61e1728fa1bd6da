#!/usr/bin/env python3
"""Writes a scripted session of N random conversions (A, B, C and D, each answered "y", the
last "n") and the output it must produce, cut where the program must flush: after each line
and after each prompt, with a NUL byte between the pieces.

Usage: session.py N SEED INPUT_FILE CHUNKS_FILE
"""
import random
import sys

RULE = "=" * 45
BANNER = [
    "Program Tavirel", RULE,
    "A = Desimal ke Biner, Oktal, Heksadesimal ",
    "B = Biner ke Desimal, Oktal, Heksadesimal ",
    "C = Oktal ke Desimal, Biner, Heksadesimal ",
    "D = Heksadesimal ke Desimal, Biner, Oktal ", RULE, "",
]
PROMPTS = {
    "A": "Masukkan bilangan desimal : ", "B": "Masukkan bilangan biner : ",
    "C": "Masukkan bilangan oktal : ", "D": "Masukkan bilangan hexadesimal : ",
}
LABELS = {
    "dec": "Hasil desimal      : ", "bin": "Hasil biner        : ",
    "oct": "Hasil oktal        : ", "hex": "Hasil heksadesimal : ",
}
RESULTS = {"A": ["bin", "oct", "hex"], "B": ["dec", "oct", "hex"],
           "C": ["dec", "bin", "hex"], "D": ["dec", "bin", "oct"]}


def written(pattern):
    signed = pattern - (1 << 32) if pattern >= 1 << 31 else pattern
    return {"dec": str(signed), "bin": format(pattern, "b"),
            "oct": format(pattern, "o"), "hex": format(pattern, "X")}


def typed(choice, pattern):
    if choice == "A":
        return str(pattern - (1 << 32) if pattern >= 1 << 31 else pattern)
    return format(pattern, {"B": "b", "C": "o", "D": "X"}[choice])


def main():
    count, seed, input_file, chunks_file = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4]
    rng = random.Random(seed)
    answers, chunks = [], []
    for i in range(count):
        choice = rng.choice("ABCD")
        pattern = rng.getrandbits(rng.choice([4, 8, 16, 32]))
        answers += [choice, typed(choice, pattern), "n" if i == count - 1 else "y"]
        chunks += [line + "\n" for line in BANNER]
        chunks += ["Masukkan Pilihan : ", "\n", PROMPTS[choice]]
        digits = written(pattern)
        chunks += [LABELS[k] + digits[k] + "\n" for k in RESULTS[choice]]
        chunks += ["\n", "Ingin coba lagi (Y/N) ? "]
    with open(input_file, "w") as f:
        f.write("\n".join(answers) + "\n")
    with open(chunks_file, "w") as f:
        f.write("\0".join(chunks))


main()
