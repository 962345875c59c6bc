#!/usr/bin/env bash
# Builds the Debian package from a built tree with cpack into a temporary
# folder and checks what a user's apt and desktop rely on: its control fields
# (dependencies from the shared libraries and the fonts), its files and their
# modes, a stripped program without a search path of its own.
# Usage: package-test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
debs=("$work"/sumire_*_amd64.deb)
[[ -f "${debs[0]}" ]] || fail "no sumire_*_amd64.deb in $(ls "$work")"
deb="${debs[0]}"
field() { dpkg-deb -f "$deb" "$1"; }

[[ "$(field Package)" == sumire ]] || fail "Package: $(field Package)"
depends="$(field Depends)"
for needed in fonts-ipafont-gothic xfonts-efont-unicode libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 libqt6httpserver6 libwebpmux3 libwebp7 libc6; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
description="$(field Description)"
grep -q 'PHS handset' <<<"$description" || fail "Description: $description"
[[ "$(wc -l <<<"$description")" -gt 3 ]] || fail "no long description: $description"

dpkg-deb -c "$deb" >"$work/contents"
for file in ./usr/bin/sumire ./usr/share/applications/jp.sumire.sumire.desktop \
    ./usr/share/metainfo/jp.sumire.sumire.metainfo.xml ./usr/share/man/man1/sumire.1.gz ./usr/share/man/ja/man1/sumire.1.gz \
    ./usr/share/doc/sumire/copyright ./usr/share/doc/sumire/changelog.gz \
    ./usr/share/sumire/phone_01.jpg ./usr/share/sumire/readme.txt ./usr/share/sumire/readme-en.txt ./usr/share/sumire/samples/index.txt \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48,128x128,256x256}/apps/sumire.png; do
  grep -qF " $file" "$work/contents" || fail "the package lacks $file"
done
# root owns everything; folders 755, the program 755, every other file 644.
awk '$2 != "root/root" { print "owner: " $0; bad = 1 }
     /^d/ && $1 != "drwxr-xr-x" { print "folder mode: " $0; bad = 1 }
     /^-/ && $6 == "./usr/bin/sumire" && $1 != "-rwxr-xr-x" { print "program mode: " $0; bad = 1 }
     /^-/ && $6 != "./usr/bin/sumire" && $1 != "-rw-r--r--" { print "file mode: " $0; bad = 1 }
     END { exit bad }' "$work/contents" || fail "owners or modes"

dpkg-deb -x "$deb" "$work/root"
program="$work/root/usr/bin/sumire"
readelf -S "$program" | grep -q '\.debug_info' && fail "the program is not stripped"
readelf -d "$program" | grep -qE 'RPATH|RUNPATH' && fail "the program has a library search path"
gzip -t "$work/root/usr/share/man/man1/sumire.1.gz" || fail "the manual page is no gzip file"
echo "PASS: $(basename "$deb"), Depends: $depends"
