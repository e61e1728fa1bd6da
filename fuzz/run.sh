#!/bin/sh
# Fuzzes each target for SECONDS (default 60) from its seed corpus; fails on any finding.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -eu
build=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fuzz TARGET: new inputs go to a scratch folder, a finding to BUILD_DIR/TARGET-*.
fuzz() {
    mkdir -p "$work/$1"
    echo "== $1: $seconds s"
    status=0
    "$build/fuzz/$1_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/$1-" -print_final_stats=1 "$work/$1" "$here/corpus/$1" \
        >"$work/$1.log" 2>&1 || status=$?
    if [ $status -ne 0 ]; then
        tail -n 40 "$work/$1.log"
        echo "$1: the fuzzer failed (status $status)"
        exit 1
    fi
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$work/$1.log"
}

fuzz dialogue
fuzz hitung
fuzz latihan
fuzz numeral
fuzz pecahan
