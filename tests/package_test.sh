#!/bin/sh
# The packages as a user gets them: builds the Debian package and the Windows zip, checks the
# .deb with lintian (no error, no warning), runs the program extracted from it through a
# transcript, renders its manual pages with warnings on, and checks that the zip holds exactly
# the program and its two documents and that its tavirel.exe runs a transcript under Wine.
# Usage (from the project's root): sh tests/package_test.sh
set -eu
root=$(pwd)
case=$root/tests/transcripts/hex-lowercase
version=$(sed -n 's/^project(tavirel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --workflow --preset deb >"$work/deb.log" 2>&1 || { cat "$work/deb.log"; exit 1; }
cmake --workflow --preset windows-zip >"$work/zip.log" 2>&1 || { cat "$work/zip.log"; exit 1; }
deb=build-deb/tavirel_${version}_amd64.deb
zip=build-windows/tavirel-${version}-win64.zip

# transcript PROGRAM [LAUNCHER]: the case's input gives the case's output.
transcript() {
    cmake -DPROGRAM="$1" -DLAUNCHER="${2:-}" -DCRLF="${2:+1}" -DCASE="$case" \
        -DACTUAL="$work/actual" -P tests/run_transcript.cmake
}

echo "== $deb"
dpkg-deb -c "$deb"
if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
    grep -E '^[EW]: ' "$work/lintian"; then
    cat "$work/lintian"
    echo "FAIL: lintian reports errors or warnings"
    exit 1
fi
echo "lintian: no errors, no warnings"

dpkg-deb -x "$deb" "$work/deb"
transcript "$work/deb/usr/bin/tavirel"
for page in usr/share/man/man1/tavirel.1.gz usr/share/man/id/man1/tavirel.1.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/deb/$page" >"$work/page" 2>"$work/warnings"
    if [ -s "$work/warnings" ] || ! grep -q "tavirel $version" "$work/page"; then
        cat "$work/warnings"
        echo "FAIL: $page does not render cleanly with version $version"
        exit 1
    fi
done
echo "the extracted program runs a transcript; both manual pages render without warnings"

echo "== $zip"
unzip -l "$zip"
unzip -Z1 "$zip" | sort >"$work/listed"
printf '%s\n' LICENSE.txt README.txt tavirel.exe >"$work/expected"
if ! cmp -s "$work/listed" "$work/expected"; then
    echo "FAIL: the zip does not hold exactly tavirel.exe, README.txt and LICENSE.txt"
    exit 1
fi
unzip -q "$zip" -d "$work/zip"
WINEDEBUG=-all WINEPREFIX=$root/build-windows/wine transcript "$work/zip/tavirel.exe" wine
echo "the zip's tavirel.exe runs a transcript under Wine"
