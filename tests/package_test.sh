#!/bin/sh
# The packages as a user gets them: builds the Debian package and the Windows zip, checks the
# .deb with lintian (no error, no warning), runs the program extracted from it through a
# transcript and renders its manual pages with warnings on; then the 64- and 32-bit zips.
# Needs dpkg-dev, file, lintian, man-db, unzip, both MinGW-w64 compilers and Wine.
# Usage (from the project's root): sh tests/package_test.sh
set -eu
root=$(pwd)
case=$root/tests/transcripts/hex-lowercase
version=$(sed -n 's/^project(tavirel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --workflow --preset deb >"$work/deb.log" 2>&1 || { cat "$work/deb.log"; exit 1; }
deb=build-deb/tavirel_${version}_amd64.deb

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

# Each Windows zip: exactly the program, its manual pages as text and the licence. Each text
# is printable ASCII with CR LF line ends, at most 80 columns; the program carries the version
# resource and the manifest, starts no command interpreter, and runs a transcript under Wine.
cr=$(printf '\r')
for bits in 64 32; do
    preset=windows${bits#64}
    zip=build-$preset/tavirel-$version-win$bits.zip
    triplet=$([ $bits = 64 ] && echo x86_64 || echo i686)-w64-mingw32
    echo "== $zip"
    cmake --workflow --preset $preset-zip >"$work/zip.log" 2>&1 || { cat "$work/zip.log"; exit 1; }
    unzip -l "$zip"
    unzip -Z1 "$zip" | sort >"$work/listed"
    printf '%s\n' LICENSE.txt MANUAL.txt PANDUAN.txt tavirel.exe >"$work/expected"
    if ! cmp -s "$work/listed" "$work/expected"; then
        echo "FAIL: $zip does not hold exactly tavirel.exe, MANUAL.txt, PANDUAN.txt and LICENSE.txt"
        exit 1
    fi
    rm -rf "$work/zip"
    unzip -q "$zip" -d "$work/zip"
    for text in LICENSE.txt MANUAL.txt PANDUAN.txt; do
        if LC_ALL=C grep -n -v -x -E "[ -~]{0,80}$cr" "$work/zip/$text" ||
            [ "$(tail -c 2 "$work/zip/$text" | od -An -c | tr -d ' ')" != '\r\n' ]; then
            echo "FAIL: $text: a line above that is not printable ASCII of 80 columns and CR LF"
            exit 1
        fi
    done
    for text in MANUAL.txt PANDUAN.txt; do
        grep -q "tavirel $version" "$work/zip/$text" ||
            { echo "FAIL: $text does not name version $version"; exit 1; }
    done

    exe=$work/zip/tavirel.exe
    if "$triplet-objdump" -p "$exe" | grep -q -w -E 'system|_wsystem'; then
        echo "FAIL: tavirel.exe imports system()"
        exit 1
    fi
    "$triplet-windres" -J coff -i "$exe" -O rc >"$work/resources"
    for line in "FILEVERSION $(echo "$version" | sed 's/\./, /g'), 0" \
        "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
        'VALUE "ProductName", "tavirel"' 'VALUE "OriginalFilename", "tavirel.exe"' \
        "VALUE \"LegalCopyright\", \"$(grep -m 1 '^Copyright ' LICENSE)\"" '1 24 /\* RT_MANIFEST \*/' \
        'level=""asInvoker""' 'Id=""{35138b9a-5d96-4fbd-8e2d-a2440225f93a}""' \
        'Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""'; do
        grep -q -e "$line" "$work/resources" ||
            { cat "$work/resources"; echo "FAIL: tavirel.exe has no resource line: $line"; exit 1; }
    done
    WINEDEBUG=-all WINEPREFIX=$root/build-$preset/wine transcript "$exe" wine
    echo "the texts are ASCII with CR LF; tavirel.exe has its resources, imports no system()"
    echo "and runs a transcript under Wine"
done
