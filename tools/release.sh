#!/bin/sh
# Builds every release file into DIR, and nothing else: the Debian packages for amd64, arm64 and
# armhf, the 64- and 32-bit Windows zips, the MSI, the page (tavirel-VERSION.html), the page's
# folder for a web host as tavirel/ in tavirel-VERSION-web.zip, the source tarball of the last
# commit, and SHA256SUMS listing them.
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
for preset in deb deb-arm64 deb-armhf windows-zip windows32-zip msi; do
    echo "== $preset"
    cmake --workflow --preset $preset >"$work/$preset.log" 2>&1 ||
        { cat "$work/$preset.log"; exit 1; }
done
echo "== web"
{ cmake --preset web && cmake --build --preset web; } >"$work/web.log" 2>&1 ||
    { cat "$work/web.log"; exit 1; }
deb=$(basename build-deb/tavirel_"$version"_*.deb)
arm64=tavirel_${version}_arm64.deb
armhf=tavirel_${version}_armhf.deb
cp "build-deb/$deb" "build-deb-arm64/$arm64" "build-deb-armhf/$armhf" \
    "build-windows/$name-win64.zip" "build-windows32/$name-win32.zip" "build-windows32/$name.msi" \
    "$out/"
cp build-web/tavirel.html "$out/$name.html"

# The folder's entries in a fixed order, each rw-r--r--, dated as the packages are: by
# SOURCE_DATE_EPOCH when the caller sets it, else by the commit, whose time git archive wrote
# into cmake/source-date. Given SOURCE_DATE_EPOCH, cmake sets each entry's times of access
# and change to it too; TZ=UTC0 fixes the zip's times, which are local.
mkdir "$work/web-zip" && cp -R build-web/tavirel-web "$work/web-zip/tavirel"
chmod 644 "$work/web-zip/tavirel"/*
epoch=${SOURCE_DATE_EPOCH:-$(cat cmake/source-date)}
(cd "$work/web-zip" && SOURCE_DATE_EPOCH=$epoch TZ=UTC0 \
    cmake -E tar cf "$out/$name-web.zip" --format=zip $(LC_ALL=C ls -d tavirel/*))

cd "$out"
sha256sum "$deb" "$arm64" "$armhf" "$name-win64.zip" "$name-win32.zip" "$name.msi" "$name.html" \
    "$name-web.zip" "$name.tar.gz" >SHA256SUMS
cat SHA256SUMS
