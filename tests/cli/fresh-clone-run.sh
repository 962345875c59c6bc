#!/usr/bin/env bash
# Clones the repository's committed tree into a new folder and runs ./run
# there as a new user would on a machine without a display: it must build the
# viewer, render the index page to sample.png and say where it wrote it.
# Usage: fresh-clone-run.sh SOURCE_TREE       (exit 77: skipped, no git tree)
set -euo pipefail
source_tree="$1"
if ! git -C "$source_tree" rev-parse --verify -q HEAD >/dev/null; then
  echo "skipped: $source_tree is not a git work tree with a commit"
  exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
git clone -q --no-hardlinks "$source_tree" "$work/sumire"
cd "$work/sumire"

output="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ./run 2>&1)" || {
  echo "$output"; echo "FAIL: ./run failed"; exit 1; }
echo "$output" | tail -n 5

[[ -f sample.png ]] || { echo "FAIL: ./run wrote no sample.png"; exit 1; }
# A PNG of the whole window: the signature, then the header's width and height.
[[ "$(head -c 8 sample.png | od -An -tx1 | tr -d ' \n')" == "89504e470d0a1a0a" ]] || {
  echo "FAIL: sample.png is no PNG"; exit 1; }
size="$(od -An -tu1 -j16 -N8 sample.png | tr -s ' ' | sed 's/^ //')"
[[ "$size" == "0 0 2 122 0 0 1 201" ]] || { echo "FAIL: sample.png is not 634 x 457 ($size)"; exit 1; }
grep -qF "$work/sumire/sample.png" <<<"$output" || { echo "FAIL: ./run did not say where it wrote"; exit 1; }
echo "PASS: $work/sumire/sample.png"
