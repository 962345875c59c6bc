#!/bin/sh
# Writes docs/window.svg: the window as `sumire render` draws the sample index
# page, with numbered marks on its controls; the README's table names them.
# Run from anywhere with the built program: make-window-figure.sh [SUMIRE]
set -e
here=$(cd "$(dirname "$0")" && pwd)
top="$here/../.."
sumire=$(realpath "${1:-$top/build/src/cli/sumire}")
picture=$(mktemp --suffix=.png)
trap 'rm -f "$picture"' EXIT
# From the top, so that the links read "samples/...".
(cd "$top" && "$sumire" render samples/index.txt -o "$picture")
{
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="634" height="457" viewBox="0 0 634 457" font-family="sans-serif" font-size="12" font-weight="bold">'
  printf '<image width="634" height="457" style="image-rendering:pixelated" href="data:image/png;base64,'
  base64 -w 0 "$picture"
  echo '"/>'
  # number x y: a mark centred on the control
  while read -r n x y; do
    printf '<circle cx="%s" cy="%s" r="9" fill="#d00000" stroke="white" stroke-width="1.5"/>' "$x" "$y"
    printf '<text x="%s" y="%s" fill="white" text-anchor="middle" dominant-baseline="central">%s</text>\n' "$x" "$y" "$n"
  done <<MARKS
1 20 16
2 60 16
3 100 16
4 248 28
5 392 28
6 440 16
7 612 16
8 250 51
9 624 44
10 152 192
11 64 220
12 158 210
13 140 250
14 170 372
15 296 200
16 452 84
17 612 300
MARKS
  echo '</svg>'
} > "$top/docs/window.svg"
