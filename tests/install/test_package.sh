#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its dependencies (from the
# shared libraries the program links), its files, lintian's verdict and the
# manual pages.
# Usage: test_package.sh <build folder> <version>
set -euo pipefail
build=$1
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
package=$work/qlsetup_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no package $(basename "$package")"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6serialport6 libqt6printsupport6 libjpeg62-turbo libstdc++6; do
    grep -q "\b$library (>= " <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$package" | awk '{ print $NF }' >"$work/files"
for file in ./usr/bin/QLSetup ./usr/bin/qlunit ./usr/share/applications/qlsetup.desktop \
    ./usr/share/mime/packages/qlsetup.xml ./usr/share/icons/hicolor/256x256/apps/qlsetup.png \
    ./usr/share/qlsetup/HiResArt/QL311-102.bmp ./usr/share/man/man1/QLSetup.1.gz \
    ./usr/share/man/man1/qlunit.1.gz ./usr/share/doc/qlsetup/copyright \
    ./usr/share/doc/qlsetup/changelog.gz; do
    grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done

# Lintian: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$package" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log"; fail "lintian"; }

# Each manual page renders without a warning.
dpkg-deb -x "$package" "$work/root"
for page in QLSetup qlunit; do
    MANWIDTH=80 man -l --warnings "$work/root/usr/share/man/man1/$page.1.gz" \
        >"$work/$page.txt" 2>"$work/$page.warnings" || fail "man -l $page.1 failed"
    [ ! -s "$work/$page.warnings" ] || { cat "$work/$page.warnings"; fail "$page.1 renders with warnings"; }
    grep -q "^NAME" "$work/$page.txt" || fail "$page.1 has no NAME section"
done
echo "package passed: $depends"
