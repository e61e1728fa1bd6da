#!/bin/sh
# The dialogue on a real terminal (tmux): the first banner does not clear the screen; after
# "y" and after a wrong answer the screen holds only the new text, from its top, and the
# scrollback is empty; "n" ends with status 0. Only standard output decides: answers typed at
# the terminal with output to a file clear nothing, and answers from a file still clear the
# terminal. Under Wine a clearing is also seen as the "cls" process that Wine reports starting.
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

# expect DESCRIPTION EXPECTED [capture-pane options]: waits up to 10 seconds for the pane
# to show EXPECTED, and reports what it shows instead.
expect() {
    what=$1 want=$2
    shift 2
    i=0
    while [ "$(shown "$@")" != "$want" ]; do
        i=$((i + 1))
        if [ $i -gt 100 ]; then
            printf 'FAIL: %s\n--- expected\n%s\n--- shown\n%s\n' "$what" "$want" "$(shown "$@")"
            failures=$((failures + 1))
            return
        fi
        sleep 0.1
    done
}

# await LINE: waits up to 10 seconds for the last line shown to be LINE; false if it is not.
await() {
    i=0
    while [ "$(shown | tail -n 1)" != "$1" ]; do
        i=$((i + 1))
        [ $i -gt 100 ] && return 1
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

# One case that clears in every way: after a wrong try-again answer, after "y" and after a
# wrong choice.
case=$transcripts/clear-every-way
traced="WINEDEBUG=+process $program"

# not_cleared DESCRIPTION FILE...: no FILE shows a clearing, neither its escape sequence nor
# the "cls" process that Wine reports on standard error.
not_cleared() {
    what=$1
    shift
    if grep -q -e "$(printf '\033')" -e '/c cls"' "$@"; then
        printf 'FAIL: %s: the screen was cleared\n' "$what"
        failures=$((failures + 1))
    fi
}

pane=typed
tmux new-session -d -s "$pane" -x 80 -y 40 \
    "$traced >'$work/out' 2>'$work/trace'; echo status=\$?; sleep 60"
# Typed once the first prompt is written: Wine's console does not take keys typed earlier.
i=0
while ! grep -q 'Pilihan : $' "$work/out" 2>/dev/null && [ $i -lt 100 ]; do
    i=$((i + 1))
    sleep 0.1
done
while read -r line; do
    tmux send-keys -t "$pane" "$line" Enter
done <"$case.in"
if ! await status=0; then
    echo "FAIL: typed at the terminal, output to a file: no status 0"
    failures=$((failures + 1))
fi
if ! tr -d '\r' <"$work/out" | cmp -s - "$case.out"; then
    echo "FAIL: typed at the terminal, output to a file: the file is not $case.out"
    failures=$((failures + 1))
fi
not_cleared "typed at the terminal, output to a file" "$work/out" "$work/trace"

eval "$traced" <"$case.in" >/dev/null 2>"$work/trace"
not_cleared "output to the null device" "$work/trace"

pane=piped
tmux new-session -d -s "$pane" -x 80 -y 40 "$program <'$case.in'; echo status=\$?; sleep 60"
expect "answers from a file: the terminal is cleared after the wrong choice" \
    "Kode yang Anda masukkan salah!!

$banner
Masukkan bilangan biner : Hasil desimal      : 3
Hasil oktal        : 3
Hasil heksadesimal : 3

Ingin coba lagi (Y/N) ? status=0" -S -

[ $failures -eq 0 ] && echo "terminal dialogue: all checks passed"
exit $failures
