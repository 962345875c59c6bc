#!/bin/sh
# Writes readme.txt at the top of the tree from readme.utf8.txt: code page 932
# with CR LF line ends, like the program's other files. Run after editing the
# UTF-8 text; a test checks that the two agree.
set -e
here=$(cd "$(dirname "$0")" && pwd)
sed 's/$/\r/' "$here/readme.utf8.txt" | iconv -f UTF-8 -t CP932 > "$here/../../readme.txt"
