#!/bin/sh
# Peak memory stays bounded however long an answer is: a 256 MiB hexadecimal word, with and
# without the working, 256 MiB of blanks before a menu choice, soal lines of 256 MiB, one
# with a number of leading zeros and one with a number too large, numbers with a fraction part
# of 256 MiB, one with zeros at both ends and one with too many digits after the comma, and a
# practice answer of 256 MiB, each run in under 32 MiB of resident memory.
# Usage: memory_test.sh PROGRAM. Exits 77 (skipped) without GNU time.
program=$1
[ -x /usr/bin/time ] || { echo "GNU time (/usr/bin/time) is not installed"; exit 77; }
size=268435456
limit_kib=32768
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# run DESCRIPTION EXPECTED_LINE_END [ARGUMENT]: runs the program on the input that stdin
# supplies.
run() {
    /usr/bin/time -f %M -o "$work/peak" "$program" $3 >"$work/out"
    peak=$(tail -n 1 "$work/peak")
    echo "$1: peak resident memory $peak KiB"
    if ! grep -q -- "$2\$" "$work/out"; then
        echo "FAIL: $1: no line \"$2\""
        failures=$((failures + 1))
    fi
    if [ "$peak" -ge $limit_kib ]; then
        echo "FAIL: $1: $peak KiB is not under $limit_kib KiB"
        failures=$((failures + 1))
    fi
}

{ printf 'D\n'; head -c $size /dev/zero | tr '\0' 0; printf 'FF\nn\n'; } |
    run "256 MiB hexadecimal word" "Hasil desimal      : 255"
{ printf 'D\n'; head -c $size /dev/zero | tr '\0' 0; printf 'FF\nn\n'; } |
    run "256 MiB hexadecimal word, worked" "Digit dibaca dari kiri ke kanan: 377" --langkah
{ head -c $size /dev/zero | tr '\0' ' '; printf 'A\n1\nn\n'; } |
    run "256 MiB of blanks before the choice" "Hasil biner        : 1"
{ printf 'B\n'; head -c $size /dev/zero | tr '\0' 0; printf '1 + 1\nn\n'; } |
    run "a soal of 256 MiB" "Hasil biner        : 10" --hitung
{ printf 'B\n'; head -c $size /dev/zero | tr '\0' 1; printf ' x 1\n0 : 1\nn\n'; } |
    run "a soal of 256 MiB refused" "Lebih dari 32 bit: $(printf '%040d' 0 | tr 0 1)..." --hitung

{ printf 'C\n'; head -c $size /dev/zero | tr '\0' 0; printf '7,4'; head -c $size /dev/zero | tr '\0' 0;
    printf '\nn\n'; } |
    run "a fraction of 256 MiB" "Hasil desimal      : 7,5" --pecahan
{ printf 'B\n1,'; head -c $size /dev/zero | tr '\0' 1; printf '\n1\nn\n'; } |
    run "a fraction of 256 MiB refused" "Lebih dari 48 angka di belakang koma: 1,$(printf '%038d' 0 | tr 0 1)..." --pecahan
{ printf '3,2'; head -c $size /dev/zero | tr '\0' 0; printf '\n'; } |
    run "a practice answer of 256 MiB" "Ubah desimal 3,25 ke oktal : Benar!" "--latihan --pecahan --benih=42 --soal=1"

exit $failures
