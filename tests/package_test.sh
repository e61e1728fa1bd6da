#!/bin/sh
# The packages as a user gets them. Each Debian package (amd64, and arm64 and armhf built with
# Debian's cross compilers): its architecture, its Depends on the target's own libraries,
# lintian (no error, no warning), a transcript through the program extracted from it (under
# qemu-user for Arm) and its manual pages rendered with warnings on. Then the 64- and 32-bit
# zips, and the MSI installed, run, and uninstalled in a fresh Wine prefix.
# Needs dpkg-dev, file, lintian, man-db, unzip, both MinGW-w64 compilers, Wine, wixl and
# msitools, qemu-user, the Arm cross compilers, and libc6 for arm64 and armhf.
# Usage (from the project's root): sh tests/package_test.sh
set -eu
root=$(pwd)
case=$root/tests/transcripts/hex-lowercase
version=$(sed -n 's/^project(tavirel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# transcript PROGRAM [LAUNCHER]: the case's input gives the case's output; with a LAUNCHER
# (a CMake list) the program runs through it, under Wine with CR LF line ends.
transcript() {
    crlf=0
    case ${2:-} in *wine*) crlf=1 ;; esac
    cmake -DPROGRAM="$1" -DLAUNCHER="${2:-}" -DCRLF=$crlf -DCASE="$case" \
        -DACTUAL="$work/actual" -P tests/run_transcript.cmake
}

# has_lines FILE WHAT LINE...: FILE, which WHAT names, holds each LINE (a fixed string).
has_lines() {
    file=$1 what=$2
    shift 2
    for line; do
        grep -q -F -e "$line" "$file" || { cat "$file"; echo "FAIL: $what has no line: $line"; exit 1; }
    done
}

# workflow PRESET: runs it, showing its log only when it fails.
workflow() {
    cmake --workflow --preset "$1" >"$work/$1.log" 2>&1 || { cat "$work/$1.log"; exit 1; }
}

for arch in amd64 arm64 armhf; do
    case $arch in
    amd64) preset=deb launcher= ;;
    arm64) preset=deb-arm64 launcher="qemu-aarch64;-L;/usr/aarch64-linux-gnu" ;;
    armhf) preset=deb-armhf launcher="qemu-arm;-L;/usr/arm-linux-gnueabihf" ;;
    esac
    workflow $preset
    deb=build-$preset/tavirel_${version}_$arch.deb
    echo "== $deb"
    dpkg-deb -f "$deb" Architecture Depends | tee "$work/fields"
    if ! grep -q -x "Architecture: $arch" "$work/fields"; then
        echo "FAIL: the package is not for $arch"
        exit 1
    fi
    # Depends names exactly the packages of the target's own architecture (not the cross
    # compilers', such as libc6-arm64-cross) that hold the libraries the program needs.
    rm -rf "$work/deb"
    dpkg-deb -x "$deb" "$work/deb"
    needed=$(readelf -d "$work/deb/usr/bin/tavirel" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    holders=$(for library in $needed; do
        dpkg -S "*/$library" 2>/dev/null | sed -n "s/^\([^:, ]*\):$arch: .*/\1/p"
    done | sort -u | tr '\n' ' ')
    depends=$(sed -n 's/^Depends: //p' "$work/fields" | tr ',' '\n' | sed 's/^ *\([^ ]*\).*/\1/' |
        sort | tr '\n' ' ')
    if [ -z "$holders" ] || [ "$depends" != "$holders" ]; then
        echo "FAIL: Depends names $depends; the program needs $needed, held by $holders"
        exit 1
    fi
    dpkg-deb -c "$deb"
    if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
        grep -E '^[EW]: ' "$work/lintian"; then
        cat "$work/lintian"
        echo "FAIL: lintian reports errors or warnings"
        exit 1
    fi
    echo "lintian: no errors, no warnings"

    transcript "$work/deb/usr/bin/tavirel" "$launcher"
    for page in usr/share/man/man1/tavirel.1.gz usr/share/man/id/man1/tavirel.1.gz; do
        LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/deb/$page" >"$work/page" 2>"$work/warnings"
        if [ -s "$work/warnings" ] || ! grep -q "tavirel $version" "$work/page"; then
            cat "$work/warnings"
            echo "FAIL: $page does not render cleanly with version $version"
            exit 1
        fi
    done
    echo "the extracted program runs a transcript; both manual pages render without warnings"
done

# The Windows programs run in a fresh 64-bit Wine prefix of this test's own, set up and served
# by the 64-bit loader. Wine's 32-bit loader, which wine32 installs, runs the 32-bit programs
# only where the kernel starts 32-bit programs; some sandboxes' kernels do not, and where the
# loader cannot start, or is not installed, the 32-bit programs are checked but not run.
export WINEPREFIX="$work/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
# Each loader runs with the kernel's address space randomization off, as the tests run it (see
# cmake/mingw-w64.cmake): about once in a thousand starts it takes an address Wine needs.
fixed="setarch -R"
command -v setarch >/dev/null || fixed=
$fixed "$wine64" wineboot -i >/dev/null 2>&1
wine32=/usr/lib/wine/wine
if ! "$wine32" --version >/dev/null 2>&1; then
    wine32=
    echo "NOTE: this machine cannot start Wine's 32-bit loader: the 32-bit programs are not run"
fi

# Each Windows zip: exactly the program, its manual pages as text and the licence. Each text
# is printable ASCII with CR LF line ends, at most 80 columns; the program carries the version
# resource and the manifest, starts no command interpreter, and runs a transcript under Wine.
cr=$(printf '\r')
for bits in 64 32; do
    preset=windows${bits#64}
    zip=build-$preset/tavirel-$version-win$bits.zip
    triplet=$([ $bits = 64 ] && echo x86_64 || echo i686)-w64-mingw32
    echo "== $zip"
    workflow $preset-zip
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
    has_lines "$work/resources" "tavirel.exe's resources" \
        "FILEVERSION $(echo "$version" | sed 's/\./, /g'), 0" \
        "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
        'VALUE "ProductName", "tavirel"' 'VALUE "OriginalFilename", "tavirel.exe"' \
        "VALUE \"LegalCopyright\", \"$(grep -m 1 '^Copyright ' LICENSE)\"" '1 24 /* RT_MANIFEST */' \
        'level=""asInvoker""' 'Id=""{35138b9a-5d96-4fbd-8e2d-a2440225f93a}""' \
        'Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""'
    echo "the texts are ASCII with CR LF; tavirel.exe has its resources, imports no system()"
    launcher=$([ $bits = 64 ] && echo "$wine64" || echo "$wine32")
    if [ -n "$launcher" ] && [ -n "$fixed" ]; then
        launcher="setarch;-R;$launcher"
    fi
    if [ -n "$launcher" ]; then
        transcript "$exe" "$launcher"
        echo "and runs a transcript under Wine"
    fi
done

# The MSI holds the 32-bit zip's very files. Installed silently, it puts them in
# Program Files (x86)\tavirel, with five plain Start menu shortcuts to the program that start in
# that folder, the second with --langkah, the third with --latihan, the fourth with "--hitung
# --langkah", the fifth with "--pecahan --langkah", each described in Indonesian, and an
# uninstall entry with name, version and publisher and no Modify; the shortcut's target runs a
# transcript. Uninstalled silently, it leaves none of it.
workflow msi
msi=build-windows32/tavirel-$version.msi
echo "== $msi"
msiinfo suminfo "$msi"
mkdir "$work/msi"
(cd "$work/msi" && msiextract "$root/$msi" >/dev/null)
for file in tavirel.exe MANUAL.txt PANDUAN.txt LICENSE.txt; do
    cmp "$work/zip/$file" "$work/msi/Program Files/tavirel/$file" ||
        { echo "FAIL: $file in the MSI is not the one in the zip"; exit 1; }
done

$fixed "$wine64" msiexec /i "$msi" /qn
code=$(msiinfo export "$msi" Property | sed -n 's/^ProductCode\t\([^\r]*\).*/\1/p')
folder="$WINEPREFIX/drive_c/Program Files (x86)/tavirel"
for file in tavirel.exe MANUAL.txt PANDUAN.txt LICENSE.txt; do
    cmp "$work/zip/$file" "$folder/$file" || { echo "FAIL: $file is not installed"; exit 1; }
done
# Windows puts the shortcut in the Start menu for all users; Wine puts it in the user's.
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/tavirel.lnk')
target=$(strings "$shortcut" | grep -o -m 1 '[A-Z]:.*\.exe$' || true)
start=$(strings -e l "$shortcut" | grep -o -m 1 '[A-Z]:.*\\$' || true)
if [ "$target" != 'C:\Program Files (x86)\tavirel\tavirel.exe' ] ||
    [ "$start" != 'C:\Program Files (x86)\tavirel\' ]; then
    printf 'FAIL: the shortcut starts "%s" in "%s"\n' "$target" "$start"
    exit 1
fi
# check_shortcut NAME OPTION DESCRIPTION: the Start menu's shortcut NAME starts the same program
# in the same folder, with OPTION if one is given, and its description, which Windows shows as
# its tooltip, is DESCRIPTION, in Indonesian. The shortcut holds each text after its length,
# which strings shows as one character in front.
check_shortcut() {
    file=$(find "$WINEPREFIX/drive_c" -path "*/Start Menu/Programs/$1.lnk")
    if [ "$(strings "$file" | grep -o -m 1 '[A-Z]:.*\.exe$' || true)" != "$target" ] ||
        [ "$(strings -e l "$file" | grep -o -m 1 '[A-Z]:.*\\$' || true)" != "$start" ] ||
        { [ -n "$2" ] && [ "$(strings -e l "$file" | grep -c -x -e "$2")" != 1 ]; } ||
        ! strings -e l "$file" |
        awk -v d="$3" 'substr($0, 2) == d { found = 1 } END { exit !found }'; then
        printf 'FAIL: no shortcut "%s" that starts %s %s in %s, described "%s"\n' "$1" "$target" "$2" \
            "$start" "$3"
        exit 1
    fi
}
check_shortcut tavirel "" \
    "Mengubah bilangan bulat 32-bit antara desimal, biner, oktal dan heksadesimal"
check_shortcut "tavirel - dengan langkah" --langkah \
    "Mengubah bilangan antarbasis dan menunjukkan langkah pengerjaannya"
check_shortcut "tavirel - latihan" --latihan \
    "Latihan mengubah bilangan antarbasis: jawaban diperiksa, yang salah diberi langkahnya"
check_shortcut "tavirel - operasi hitung" "--hitung --langkah" \
    "Operasi hitung dalam desimal, biner, oktal atau heksadesimal, beserta cara bersusunnya"
check_shortcut "tavirel - bilangan pecahan" "--pecahan --langkah" \
    "Bilangan pecahan dalam desimal, biner, oktal atau heksadesimal, beserta langkahnya"
# The 32-bit program's entry is in the registry's 32-bit view, which the 64-bit reg names.
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\'$code
$fixed "$wine64" reg query "$entry" /reg:32 | tr -d '\r' >"$work/entry"
has_lines "$work/entry" "the uninstall entry" "DisplayName    REG_SZ    tavirel" \
    "DisplayVersion    REG_SZ    $version" "NoModify    REG_DWORD    0x1" \
    "Publisher    REG_SZ    $(sed -n 's/^Copyright (c) [0-9, -]* //p' LICENSE)"
echo "installed: the files, the five shortcuts and the uninstall entry"
if [ -n "$wine32" ]; then
    transcript "$target" "${fixed:+setarch;-R;}$wine32"
    echo "the shortcut's target runs a transcript"
fi

$fixed "$wine64" msiexec /x "$msi" /qn
if [ -e "$folder" ] || [ -n "$(find "$WINEPREFIX/drive_c" -iname 'tavirel*')" ] ||
    $fixed "$wine64" reg query "$entry" /reg:32 >/dev/null 2>&1 || $fixed "$wine64" uninstaller --list | grep -q tavirel; then
    echo "FAIL: uninstalling left the folder, a file, a shortcut or the entry"
    exit 1
fi
echo "uninstalled: nothing is left"
