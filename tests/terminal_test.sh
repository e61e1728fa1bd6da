#!/bin/sh
# The dialogue on a real terminal (tmux): the first banner does not clear the screen; after
# "y" and after a wrong answer the screen holds only the new text, from its top, and the
# scrollback is empty; "n" ends with status 0, and so does end of input typed after a number.
# Only standard output decides: answers typed at the terminal with output to a file or the
# null device clear nothing, on the terminal or in the file, and answers from a file still
# clear the terminal. A practice round starts and clears as the menu does, and the seeds that
# practice rounds draw differ. An operation's soal is read with its blanks, and its working's
# columns stand one under the other. Each answer is typed only once its prompt has been written, so
# no check depends on how fast the machine is.
# Usage: terminal_test.sh TRANSCRIPTS [LAUNCHER] PROGRAM. Exits 77 (skipped) when tmux is not
# installed.
transcripts=$1
shift
program=$(printf "'%s' " "$@")
command -v tmux >/dev/null 2>&1 || { echo "tmux is not installed"; exit 77; }

TMUX_TMPDIR=$(mktemp -d)
export TMUX_TMPDIR
trap 'tmux kill-server 2>/dev/null; rm -rf "$TMUX_TMPDIR"' EXIT
work=$TMUX_TMPDIR
pane=tavirel
failures=0

# The visible screen, or with -S - the scrollback too, without trailing blanks and lines.
shown() { tmux capture-pane -p -t "$pane" "$@" | sed -e 's/ *$//' -e :a -e '/^\n*$/{$d;N;ba' -e '}'; }

# expect DESCRIPTION EXPECTED [capture-pane options]: waits up to 30 seconds for the pane
# to show EXPECTED, and reports what it shows instead.
expect() {
    what=$1 want=$2
    shift 2
    i=0
    while [ "$(shown "$@")" != "$want" ]; do
        i=$((i + 1))
        if [ $i -gt 300 ]; then
            printf 'FAIL: %s\n--- expected\n%s\n--- shown\n%s\n' "$what" "$want" "$(shown "$@")"
            failures=$((failures + 1))
            return
        fi
        sleep 0.1
    done
}

# await LINE: waits up to 30 seconds for the last line shown to be LINE; false if it is not.
await() {
    i=0
    while [ "$(shown | tail -n 1)" != "$1" ]; do
        i=$((i + 1))
        [ $i -gt 300 ] && return 1
        sleep 0.1
    done
}

# answer PROMPT KEY...: once the last line shown is PROMPT, types the keys and Enter.
answer() {
    await "$1"
    shift
    tmux send-keys -t "$pane" "$@" Enter
}

banner='Program Tavirel
=============================================
A = Desimal ke Biner, Oktal, Heksadesimal
B = Biner ke Desimal, Oktal, Heksadesimal
C = Oktal ke Desimal, Biner, Heksadesimal
D = Heksadesimal ke Desimal, Biner, Oktal
=============================================

Masukkan Pilihan :'

tmux new-session -d -s "$pane" -x 80 -y 40 "echo before; $program; echo status=\$?; sleep 60"
expect "the first banner follows what was on the screen" "before
$banner"

answer "Masukkan Pilihan :" A
answer "Masukkan bilangan desimal :" 10
expect "a conversion on the same screen" "before
$banner A

Masukkan bilangan desimal : 10
Hasil biner        : 1010
Hasil oktal        : 12
Hasil heksadesimal : A

Ingin coba lagi (Y/N) ?"

answer "Ingin coba lagi (Y/N) ?" x
expect "a wrong try-again answer: the message from the top" "Kode yang Anda masukkan salah!!


Ingin coba lagi (Y/N) ?" -S -

answer "Ingin coba lagi (Y/N) ?" y
expect "after y: the banner from the top" "$banner" -S -

answer "Masukkan Pilihan :" E
expect "a wrong choice: the message from the top, then the banner" "Kode yang Anda masukkan salah!!

$banner" -S -

answer "Masukkan Pilihan :" D
answer "Masukkan bilangan hexadesimal :" ff
answer "Ingin coba lagi (Y/N) ?" n
expect "n ends the program with status 0" "Kode yang Anda masukkan salah!!

$banner D

Masukkan bilangan hexadesimal : ff
Hasil desimal      : 255
Hasil biner        : 11111111
Hasil oktal        : 377

Ingin coba lagi (Y/N) ? n
status=0"

# End of input in the middle of a number: Ctrl-D hands over the 12 typed so far, a second ends
# the input. The 12 is converted, and the end of input holds at the next prompt, which ends the
# program without waiting for a third. A Windows console ends input with Ctrl-Z and Enter.
case $program in
*wine*) ;;
*)
    pane=eof
    tmux new-session -d -s "$pane" -x 80 -y 40 "$program; echo status=\$?; sleep 60"
    answer "Masukkan Pilihan :" A
    await "Masukkan bilangan desimal :"
    tmux send-keys -t "$pane" 12 C-d C-d
    expect "end of input typed after a number" "$banner A

Masukkan bilangan desimal : 12Hasil biner        : 1100
Hasil oktal        : 14
Hasil heksadesimal : C

Ingin coba lagi (Y/N) ?
status=0"
    ;;
esac

# Operations: a soal typed with its blanks is read as the rest of its line, and its working's
# columns stand one under the other on the screen. End of input typed in the middle of a soal
# answers it as it stands, and ends at the next prompt.
pane=hitung
tmux new-session -d -s "$pane" -x 80 -y 40 "$program --hitung --langkah; echo status=\$?; sleep 60"
answer "Masukkan Pilihan :" b
answer "Masukkan soal biner :" "1110 x 1100"
expect "an operation with its working" "Program Tavirel: Operasi Hitung
=============================================
A = Desimal
B = Biner
C = Oktal
D = Heksadesimal
=============================================

Masukkan Pilihan : b

Masukkan soal biner : 1110 x 1100
Hasil biner        : 10101000
Hasil desimal      : 168
Hasil oktal        : 250
Hasil heksadesimal : A8

Perkalian biner: kalikan dengan tiap digit pengali dari kanan, lalu jumlahkan
    1110
    1100 x
--------
    0000
   0000
  1110
 1110    +
--------
10101000
Hasil: 10101000

Ingin coba lagi (Y/N) ?"
answer "Ingin coba lagi (Y/N) ?" y
case $program in
*wine*)
    answer "Masukkan Pilihan :" "d  1A7+D89"
    answer "Ingin coba lagi (Y/N) ?" n
    ;;
*)
    await "Masukkan Pilihan :"
    tmux send-keys -t "$pane" "d  1A7+D89" C-d C-d
    ;;
esac
await status=0 || { echo "FAIL: operations: no status 0 at the end"; failures=$((failures + 1)); }
if [ "$(shown | grep -A 3 'Hasil heksadesimal : F30$')" != "Masukkan soal heksadesimal : Hasil heksadesimal : F30
Hasil desimal      : 3888
Hasil biner        : 111100110000
Hasil oktal        : 7460" ]; then
    printf 'FAIL: an operation typed with the menu choice\n%s\n' "$(shown)"
    failures=$((failures + 1))
fi

# One case that clears in every way: after a wrong try-again answer, after "y" and after a
# wrong choice. Where standard output is not the terminal, the terminal keeps every line.
case=$transcripts/clear-every-way
answers=$(cat "$case.in")

# not_cleared DESCRIPTION: once the program has ended, the pane still shows what was on it
# before ("before", in its first line).
not_cleared() {
    if ! await status=0; then
        echo "FAIL: $1: no status 0"
        failures=$((failures + 1))
    elif [ "$(shown -S - | head -n 1)" != before ]; then
        printf 'FAIL: %s: the terminal was cleared\n%s\n' "$1" "$(shown -S -)"
        failures=$((failures + 1))
    fi
}

# Typed at the terminal, output to a file: each answer is typed once its prompt is in the file.
# Standard error stays on the terminal, as Wine shows a console's screen only through a
# handle that is written to.
# Wine's console takes the terminal out of canonical mode at its first read and drops what was
# typed before, so under Wine the first answer also waits for that.
pane=typed
tmux new-session -d -s "$pane" -x 80 -y 40 \
    "echo before; $program >'$work/out'; echo status=\$?; sleep 60"
case $program in
*wine*)
    tty=$(tmux display-message -p -t "$pane" '#{pane_tty}')
    i=0
    while stty -F "$tty" -a | grep -q -- ' icanon' && [ $i -lt 300 ]; do
        i=$((i + 1))
        sleep 0.1
    done
    ;;
esac
# The byte offsets in the expected output at which each prompt ends, one per answer.
ends=$(grep -boa -E 'Masukkan [a-zA-Z ]*: |Ingin coba lagi \(Y/N\) \? ' "$case.out" |
    while IFS=: read -r at prompt; do echo $((at + ${#prompt})); done)
for word in $answers; do
    end=${ends%%[!0-9]*}
    ends=${ends#"$end"}
    ends=${ends#?}
    i=0
    while [ "$(tr -d '\r' 2>/dev/null <"$work/out" | wc -c)" -lt "$end" ] && [ $i -lt 300 ]; do
        i=$((i + 1))
        sleep 0.1
    done
    tmux send-keys -t "$pane" "$word" Enter
done
not_cleared "typed at the terminal, output to a file"
if ! tr -d '\r' <"$work/out" | cmp -s - "$case.out"; then
    echo "FAIL: typed at the terminal, output to a file: the file is not $case.out"
    failures=$((failures + 1))
fi
if grep -q "$(printf '\033')" "$work/out"; then
    echo "FAIL: typed at the terminal, output to a file: an escape in the file"
    failures=$((failures + 1))
fi

pane=null
tmux new-session -d -s "$pane" -x 80 -y 40 \
    "echo before; $program <'$case.in' >/dev/null; echo status=\$?; sleep 60"
not_cleared "output to the null device"

# Standard error is a file here, so that only standard output can be the console to clear.
pane=piped
tmux new-session -d -s "$pane" -x 80 -y 40 \
    "echo before; $program <'$case.in' 2>'$work/err'; echo status=\$?; sleep 60"
expect "answers from a file: the terminal is cleared after the wrong choice" \
    "Kode yang Anda masukkan salah!!

$banner
Masukkan bilangan biner : Hasil desimal      : 3
Hasil oktal        : 3
Hasil heksadesimal : 3

Ingin coba lagi (Y/N) ? status=0" -S -
if [ -s "$work/err" ]; then
    echo "FAIL: answers from a file: standard error is not empty"
    failures=$((failures + 1))
fi

# A practice round: its first header follows what was on the screen, as the first banner does;
# after y the next round, with the next seed, starts from the top of a cleared screen.
pane=latihan
tmux new-session -d -s "$pane" -x 80 -y 40 \
    "echo before; $program --latihan --soal=1 --benih=42; echo status=\$?; sleep 60"
rule=$(printf '=%.0s' $(seq 45))
expect "practice: the first round follows what was on the screen" "before
Program Tavirel: Latihan
$rule
1 soal, benih 42
$rule

Soal 1 dari 1
Ubah desimal 62 ke oktal :"
answer "Ubah desimal 62 ke oktal :" 76
answer "Ingin coba lagi (Y/N) ?" y
expect "practice: after y, the next round from the top" "Program Tavirel: Latihan
$rule
1 soal, benih 43
$rule

Soal 1 dari 1
Ubah biner 1110111 ke oktal :" -S -
answer "Ubah biner 1110111 ke oktal :" 167
answer "Ingin coba lagi (Y/N) ?" n
await status=0 || { echo "FAIL: practice: n does not end with status 0"; failures=$((failures + 1)); }

# Without --benih each run draws a seed of its own from the system, from 1 to 999999: three
# runs started at once do not all get the same one.
seeds=$(for run in 1 2 3; do
    eval "$program --latihan --soal=1" </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/^1 soal, benih //p'
done)
if [ "$(echo "$seeds" | grep -c -x -E '[1-9][0-9]{0,5}')" != 3 ] ||
    [ "$(echo "$seeds" | sort -u | wc -l)" = 1 ]; then
    printf 'FAIL: drawn seeds are not three from 1 to 999999, not all the same:\n%s\n' "$seeds"
    failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "terminal dialogue: all checks passed"
exit $failures
