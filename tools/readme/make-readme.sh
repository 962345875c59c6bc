#!/bin/sh
# Writes readme.txt at the top of the tree from readme.utf8.txt, in UTF-8 (the
# code page of the desktops this program runs on, so that their editors show
# it), with the list of pictograph tags and their nearest Unicode characters
# from src/display/pictograph-equivalents.tsv in place of the "@pictographs@"
# line. Run after editing either; a test checks that readme.txt is in step.
set -e
here=$(cd "$(dirname "$0")" && pwd)
awk -F '\t' '
  FNR == NR { if ($0 !~ /^#/ && $1 != "code") table = table sprintf("    %-14s %-9s %s  %s\n", $2, $4, $3, $5); next }
  $0 == "@pictographs@" { printf "%s", table; next }
  { print }
' "$here/../../src/display/pictograph-equivalents.tsv" "$here/readme.utf8.txt" > "$here/../../readme.txt"
