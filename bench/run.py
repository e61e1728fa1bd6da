#!/usr/bin/env python3
"""Benchmarks tavirel against its floor: a scripted session of 50,000 conversions (median of
paired runs, program/floor), start-up to the first prompt against a minimal program that writes
the same banner with one write per line, and the session's peak resident memory. Builds with the bench
preset (the default build and the baselines) first. Usage: python3 bench/run.py [--pairs N] [--conversions N]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-bench")
PROMPT = b"Masukkan Pilihan : "


def build():
    for command in (["cmake", "--preset", "bench"], ["cmake", "--build", "--preset", "bench"]):
        subprocess.run(command, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)


def run_session(argv, session):
    """Seconds of wall time for one whole session, output to /dev/null, less the time that
    the program reports on standard error as "load N ns" (the floor's loading of its pieces,
    which is not the floor's work)."""
    with open(session, "rb") as stdin, open(os.devnull, "wb") as stdout:
        start = time.perf_counter()
        run = subprocess.run(argv, stdin=stdin, stdout=stdout, stderr=subprocess.PIPE)
        elapsed = time.perf_counter() - start
    if run.returncode != 0:
        sys.exit(f"{argv[0]} ended with status {run.returncode}")
    report = run.stderr.split()
    if report[:1] == [b"load"]:
        elapsed -= int(report[1]) / 1e9
    elif report:
        sys.exit(f"{argv[0]} wrote to standard error: {run.stderr!r}")
    return elapsed


def peak_memory(argv, session):
    """Peak resident memory of one whole session in KiB, as GNU time measures it."""
    with open(session, "rb") as stdin, open(os.devnull, "wb") as stdout:
        report = subprocess.run(["/usr/bin/time", "-f", "%M"] + argv, stdin=stdin,
                                stdout=stdout, stderr=subprocess.PIPE, check=True)
    return int(report.stderr.split()[-1])


def start_up(argv):
    """Seconds from exec to the first prompt read from the program's output."""
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    seen = b""
    while not seen.endswith(PROMPT):
        chunk = os.read(process.stdout.fileno(), 4096)
        if not chunk:
            sys.exit(f"{argv[0]} ended before its first prompt")
        seen += chunk
    elapsed = time.perf_counter() - start
    process.stdin.close()
    process.wait()
    process.stdout.close()
    return elapsed


def paired(first, second, pairs):
    """Median of first and of second over paired runs, and the median ratio first/second."""
    a, b = [], []
    for i in range(pairs):
        if i % 2:
            b.append(second())
            a.append(first())
        else:
            a.append(first())
            b.append(second())
    return statistics.median(a), statistics.median(b), statistics.median(x / y for x, y in zip(a, b))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pairs", type=int, default=9)
    parser.add_argument("--conversions", type=int, default=50000)
    parser.add_argument("--start-ups", type=int, default=301)
    options = parser.parse_args()
    build()
    program = os.path.join(BUILD, "tavirel")
    floor = os.path.join(BUILD, "bench", "bench_floor")
    banner = os.path.join(BUILD, "bench", "bench_banner")

    with tempfile.TemporaryDirectory() as work:
        session, chunks = os.path.join(work, "session.in"), os.path.join(work, "session.chunks")
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "session.py"),
                        str(options.conversions), "1", session, chunks], check=True)
        with open(chunks, "rb") as f, open(session, "rb") as stdin:
            same = subprocess.run([program], stdin=stdin, stdout=subprocess.PIPE).stdout == \
                f.read().replace(b"\0", b"")
        if not same:
            sys.exit("the program's output differs from the session's expected output")

        session_prog, session_floor, session_ratio = paired(
            lambda: run_session([program], session), lambda: run_session([floor, chunks], session),
            options.pairs)
        peak = peak_memory([program], session)
        start_prog, start_base, start_ratio = paired(
            lambda: start_up([program]), lambda: start_up([banner]), options.start_ups)

    print(f"{options.conversions} conversions, median of {options.pairs} paired runs; "
          f"start-up, median of {options.start_ups}")
    print(f"{'measure':<34}{'tavirel':>12}{'baseline':>12}{'ratio':>8}{'target':>8}")
    print(f"{'session (output to /dev/null)':<34}{session_prog * 1e3:>10.1f}ms"
          f"{session_floor * 1e3:>10.1f}ms{session_ratio:>8.2f}{'1.1':>8}")
    print(f"{'start-up to first prompt':<34}{start_prog * 1e3:>10.2f}ms"
          f"{start_base * 1e3:>10.2f}ms{start_ratio:>8.2f}{'1.05':>8}")
    print(f"{'peak resident memory, session':<34}{peak / 1024:>10.1f}MiB"
          f"{'':>12}{'':>8}{'< 4 MiB':>8}")


main()
