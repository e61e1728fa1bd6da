#!/bin/sh
# Standard streams that fail: an input that cannot be read ends the run as end of input does;
# an output that cannot be written ends it with status 1 and the reason; a reader that goes
# away ends it quietly. An output that takes each piece in short writes still gets every byte.
# An empty argument is refused, and so is each wrong use of the sheets' and the levels'
# options.
# Usage: streams_test.sh PROGRAM TRANSCRIPTS_DIR SHORT_WRITES_LIBRARY
program=$1
at_end=$(cat "$2/eof-at-menu.out"; echo x)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check DESCRIPTION EXPECTED ACTUAL
check() {
    if [ "$2" != "$3" ]; then
        printf 'FAIL: %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

timeout 10 "$program" <&- >"$work/out" 2>"$work/err"
check "standard input closed: status" 0 $?
check "standard input closed: output" "$at_end" "$(cat "$work/out"; echo x)"
check "standard input closed: no message" "" "$(cat "$work/err")"

timeout 10 "$program" </ >"$work/out" 2>"$work/err"
check "standard input a directory: status" 0 $?
check "standard input a directory: output" "$at_end" "$(cat "$work/out"; echo x)"
check "standard input a directory: no message" "" "$(cat "$work/err")"

if [ -w /dev/full ]; then
    echo 'A 1 n' | timeout 10 "$program" >/dev/full 2>"$work/err"
    check "output to a full device: status" 1 $?
    check "output to a full device: message" "tavirel: write error: No space left on device" \
        "$(cat "$work/err")"
fi

echo 'A 1 n' | timeout 10 "$program" >&- 2>"$work/err"
check "standard output closed: status" 1 $?
check "standard output closed: message" "tavirel: write error: Bad file descriptor" \
    "$(cat "$work/err")"

# Endless input keeps the program writing until the reader has gone; SIGPIPE ends it, as it
# ends any filter, even when the parent ignores that signal.
for ignore in no yes; do
    (
        [ $ignore = yes ] && trap '' PIPE
        yes 'A 1 y' 2>/dev/null | timeout 10 "$program" 2>"$work/err"
        echo $? >"$work/status"
    ) | head -n 1 >"$work/out"
    check "reader gone (SIGPIPE ignored: $ignore): first line" "Program Tavirel" "$(cat "$work/out")"
    check "reader gone (SIGPIPE ignored: $ignore): killed by SIGPIPE, not by timeout" 141 \
        "$(cat "$work/status")"
    check "reader gone (SIGPIPE ignored: $ignore): no message" "" "$(cat "$work/err")"
done

# An empty argument is refused as any argument not understood, before anything is written.
timeout 10 "$program" "" </dev/null >"$work/out" 2>"$work/err"
check "an empty argument: status" 2 $?
check "an empty argument: message" "tavirel: argumen tidak dikenal: 
Coba 'tavirel --help'." "$(cat "$work/err")"
check "an empty argument: no output" "" "$(cat "$work/out")"

# The refusals of the sheets' and the levels' options, each before anything is written: the
# first wrong argument named, status 2. Each row: the arguments, then the reason's line.
while IFS='|' read -r arguments reason; do
    # shellcheck disable=SC2086 # the arguments are split at blanks
    timeout 10 "$program" $arguments </dev/null >"$work/out" 2>"$work/err"
    check "refused ($arguments): status" 2 $?
    check "refused ($arguments): message" "tavirel: $reason
Coba 'tavirel --help'." "$(cat "$work/err")"
    check "refused ($arguments): no output" "" "$(cat "$work/out")"
done <<'ROWS'
--latihan --kunci --lembar|--latihan tidak bisa digabung dengan --lembar atau --kunci: --kunci
--lembar --soal=5 --latihan|--latihan tidak bisa digabung dengan --lembar atau --kunci: --lembar
--siswa=3 --latihan|opsi hanya berlaku dengan --lembar, --kunci atau --moodle: --siswa=3
--langkah --tingkat=2|opsi hanya berlaku dengan --latihan, --lembar, --kunci atau --moodle: --tingkat=2
--lembar --tingkat=3|tingkat harus 1 atau 2: 3
--moodle --pilihan|--moodle tidak bisa digabung dengan --latihan, --lembar, --kunci atau --pilihan: --pilihan
--lembar --latihan --moodle|--moodle tidak bisa digabung dengan --latihan, --lembar, --kunci atau --pilihan: --lembar
--soal=5 --moodle --kunci|--moodle tidak bisa digabung dengan --latihan, --lembar, --kunci atau --pilihan: --kunci
--siswa=0 --moodle --latihan|banyak siswa harus 1 sampai 100: 0
--pilihan --latihan|opsi hanya berlaku dengan --lembar atau --kunci: --pilihan
--pecahan --moodle --hitung|--hitung tidak bisa digabung dengan --pecahan: --hitung
--latihan --tingkat 0x|tingkat harus 1 atau 2: 0x
--kunci --siswa=101|banyak siswa harus 1 sampai 100: 101
--help --kunci --siswa 0 --tingkat=3|banyak siswa harus 1 sampai 100: 0
--siswa --lembar|banyak siswa harus 1 sampai 100: --lembar
--lembar --siswa=|opsi memerlukan bilangan: --siswa=
--kunci --tingkat|opsi memerlukan bilangan: --tingkat
ROWS
timeout 10 "$program" --lembar --kunci --version </dev/null >"$work/out" 2>"$work/err"
check "--version over the sheets: status" 0 $?
check "--version over the sheets: the version alone" "$("$program" --version)" "$(cat "$work/out")"

# The sanitizers' runtime, when there is one, need not come first for this run.
case=$2/type-ahead-whole-session
ASAN_OPTIONS=verify_asan_link_order=0 LD_PRELOAD=$3 timeout 10 "$program" <"$case.in" \
    >"$work/out" 2>"$work/err"
check "short writes: status" 0 $?
check "short writes: output" "$(cat "$case.out"; echo x)" "$(cat "$work/out"; echo x)"
check "short writes: no message" "" "$(cat "$work/err")"

[ $failures -eq 0 ] && echo "failing streams: all checks passed"
exit $failures
