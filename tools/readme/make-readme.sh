#!/bin/sh
# Writes the user's guides at the top of the tree, in UTF-8 (the code page of
# the desktops this program runs on, so that their editors show them):
# readme.txt from readme.utf8.txt and readme-en.txt from readme-en.utf8.txt,
# each with the list of pictograph tags and their nearest Unicode characters
# from src/display/pictograph-equivalents.tsv in place of the "@pictographs@"
# line. Run after editing any of them; a test checks that both are in step.
set -e
here=$(cd "$(dirname "$0")" && pwd)
make_guide() {
  awk -F '\t' '
    FNR == NR { if ($0 !~ /^#/ && $1 != "code") table = table sprintf("    %-14s %-9s %s  %s\n", $2, $4, $3, $5); next }
    $0 == "@pictographs@" { printf "%s", table; next }
    { print }
  ' "$here/../../src/display/pictograph-equivalents.tsv" "$here/$1" > "$here/../../$2"
}
make_guide readme.utf8.txt readme.txt
make_guide readme-en.utf8.txt readme-en.txt
