#!/bin/sh
# Builds every release file into DIR, and nothing else: the Debian package, the 64- and 32-bit
# Windows zips, the source tarball of the last commit, and SHA256SUMS listing the four.
# The packages are built from the tarball, unpacked afresh in build-release/, so a release
# holds only what is committed and anyone can rebuild it from the tarball alone. Every file is
# dated by the last commit, so each rebuild gives the same bytes.
# Usage, in a git checkout: sh tools/release.sh DIR
set -eu
[ $# -eq 1 ] || { echo "usage: sh tools/release.sh DIR" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(tavirel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=tavirel-$version
mkdir -p "$1"
out=$(cd "$1" && pwd)
work=$root/build-release
rm -rf "$work"
mkdir -p "$work"
if [ -n "$(git -C "$root" status --porcelain)" ]; then
    echo "note: uncommitted changes are not in the release, which is of the last commit" >&2
fi

# Every tracked file under tavirel-VERSION/, with the commit's time written into it.
git -C "$root" archive --format=tar --prefix="$name/" HEAD | gzip -9n >"$out/$name.tar.gz"
tar -xzf "$out/$name.tar.gz" -C "$work"
cd "$work/$name"
for preset in deb windows-zip windows32-zip; do
    echo "== $preset"
    cmake --workflow --preset $preset >"$work/$preset.log" 2>&1 ||
        { cat "$work/$preset.log"; exit 1; }
done
deb=$(basename build-deb/tavirel_"$version"_*.deb)
cp "build-deb/$deb" "build-windows/$name-win64.zip" "build-windows32/$name-win32.zip" "$out/"

cd "$out"
sha256sum "$deb" "$name-win64.zip" "$name-win32.zip" "$name.tar.gz" >SHA256SUMS
cat SHA256SUMS
