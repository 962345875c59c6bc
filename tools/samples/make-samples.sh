#!/bin/sh
# Builds the sample site in samples/: the pictures, the melody and data files,
# and the pages, converted from the UTF-8 sources in src/ to Shift_JIS with
# CR LF line ends. A source line "@@base64 NAME@@" becomes the Base64 text of
# the generated file NAME. Uses only the shell, coreutils, iconv and base64.
#
#   tools/samples/make-samples.sh [OUTPUT_FOLDER]     (default: samples/)
#
# Before writing a page the source is checked against the way the viewer
# scans and lays out a page (see check_page); a page that breaks a rule
# stops the run.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
src=$here/src
out=${1:-$here/../../samples}
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT HUP INT TERM

fail() {
    printf '%s\n' "make-samples: $*" >&2
    exit 1
}

# --- bytes -----------------------------------------------------------------
# Binary data is produced as printf octal escapes ("\101"), so no byte value
# ever passes through a shell variable as itself.

esc() { printf '\\%03o' "$@"; }
le16() { esc $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() { esc $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# bgr RRGGBB: one 24-bit pixel as a bitmap stores it (blue, green, red).
bgr() {
    _g=${1#??}
    esc $((0x${1#????})) $((0x${_g%??})) $((0x${1%????}))
}

# Colours of the era: the 216 "web-safe" steps 00 33 66 99 CC FF only.
SKY1=$(bgr 330066)  SKY2=$(bgr 663399)  SKY3=$(bgr 993366)  SKY4=$(bgr CC3366)
SKY5=$(bgr FF6633)  SKY6=$(bgr FF9933)  SKY7=$(bgr FFCC66)
SUN1=$(bgr FFCC33)  SUN2=$(bgr FFFF99)  HILL=$(bgr 330033)  BIRD=$(bgr 330033)
SEA1=$(bgr 336699)  SEA2=$(bgr 003366)  SEA3=$(bgr 003333)
GLOW1=$(bgr FF9933) GLOW2=$(bgr FFCC66)
SKYB1=$(bgr 66CCFF) SKYB2=$(bgr 99CCFF) SKYB3=$(bgr CCFFFF) CLOUD=$(bgr FFFFFF)
HILL1=$(bgr 339966) HILL2=$(bgr 66CC66) FIELD=$(bgr 99CC33) GRASS=$(bgr 669933)
STEM=$(bgr 336633)  LEAF=$(bgr 33CC33)
PETAL=$(bgr 9966CC) PETAL2=$(bgr 663399) HEART=$(bgr FFCC00)

# write_bmp FILE WIDTH HEIGHT PIXEL_FUNCTION
# A 24-bit Windows bitmap, bottom row first; PIXEL_FUNCTION x y (0,0 at the
# top left) sets $px to the pixel's escapes.
write_bmp() {
    _w=$2 _h=$3 _pf=$4
    _pad=$(( (4 - _w * 3 % 4) % 4 ))
    _size=$(( (_w * 3 + _pad) * _h ))
    {
        printf 'BM'
        printf "$(le32 $((54 + _size)))$(le32 0)$(le32 54)"
        printf "$(le32 40)$(le32 "$_w")$(le32 "$_h")$(le16 1)$(le16 24)"
        printf "$(le32 0)$(le32 "$_size")$(le32 2835)$(le32 2835)$(le32 0)$(le32 0)"
        _y=$((_h - 1))
        while [ "$_y" -ge 0 ]; do
            _row= _x=0
            while [ "$_x" -lt "$_w" ]; do
                "$_pf" "$_x" "$_y"
                _row=$_row$px
                _x=$((_x + 1))
            done
            _k=0
            while [ "$_k" -lt "$_pad" ]; do _row=$_row$(esc 0); _k=$((_k + 1)); done
            printf "$_row"
            _y=$((_y - 1))
        done
    } > "$1"
}

abs() { [ "$1" -lt 0 ] && echo $((-$1)) || echo "$1"; }

# photo.bmp, 80 x 40: the sun setting over the sea, an island on the left,
# two gulls. Horizon at row 26.
sunset_pixel() {
    _dx=$(($1 - 46)) _dy=$(($2 - 26))
    _d2=$((_dx * _dx + _dy * _dy))
    if [ "$2" -lt 26 ]; then
        _hill=$(( 25 - (12 - ($1 - 11) * ($1 - 11) / 12) ))  # a low hump
        if [ "$1" -lt 24 ] && [ "$2" -gt "$_hill" ]; then px=$HILL; return; fi
        case "$1,$2" in
            13,8|14,7|15,8|16,9|17,8|18,7|19,8|23,12|24,11|25,12|26,11|27,12) px=$BIRD; return ;;
        esac
        if [ "$_d2" -le 34 ]; then px=$SUN2; return; fi
        if [ "$_d2" -le 97 ]; then px=$SUN1; return; fi
        case $(($2 / 4)) in
            0) px=$SKY1 ;; 1) px=$SKY2 ;; 2) px=$SKY3 ;; 3) px=$SKY4 ;;
            4) px=$SKY5 ;; 5) px=$SKY6 ;; *) px=$SKY7 ;;
        esac
        if [ "$2" -ge 22 ]; then px=$SKY7; fi
        return
    fi
    # the sun's path on the water: broken stripes that narrow with depth
    _half=$((11 - (_dy + 1) / 2))
    _ax=$(abs "$_dx")
    if [ $(($2 % 2)) -eq 1 ] && [ "$_ax" -le "$_half" ] && [ $(( (_dx + 40 + _dy) % 5 )) -ne 0 ]; then
        if [ "$_ax" -le $((_half / 2)) ]; then px=$GLOW2; else px=$GLOW1; fi
        return
    fi
    if [ "$2" -lt 30 ]; then px=$SEA1; elif [ "$2" -lt 35 ]; then px=$SEA2; else px=$SEA3; fi
}

# embed.bmp, 100 x 73: violets (sumire) in a meadow under a summer sky. The
# picture fills the whole slot (1500 x 1095 twips): an embedded picture's slot
# keeps that size, and the LCD copy takes the whole slot, so a smaller picture
# would show the slot's own background around it.
in_circle() {  # DX DY CX CY R2 F: the point (DX, DY) scaled by F/4 lies in the circle
    _a=$((4 * $1 - $6 * $3)) _b=$((4 * $2 - $6 * $4))
    [ $((_a * _a + _b * _b)) -le $(($5 * $6 * $6)) ]
}
# flower X Y CX CY F: sets $px when (X, Y) lies on the violet whose yellow
# heart is at (CX, CY), drawn at F quarters of full size (at full size the petals span 19 pixels).
flower() {
    _dx=$(($1 - $3)) _dy=$(($2 - $4)) _f=$5
    [ $((4 * _dx)) -ge $((-14 * _f)) ] && [ $((4 * _dx)) -le $((14 * _f)) ] || return 1
    [ $((4 * _dy)) -ge $((-9 * _f)) ] && [ $((4 * _dy)) -le $((16 * _f)) ] || return 1
    if in_circle $_dx $_dy 0 0 4 $_f; then px=$HEART; return 0; fi
    if in_circle $_dx $_dy 0 -6 11 $_f || in_circle $_dx $_dy -6 -2 11 $_f ||
        in_circle $_dx $_dy 6 -2 11 $_f; then px=$PETAL; return 0; fi
    if in_circle $_dx $_dy -4 5 11 $_f || in_circle $_dx $_dy 4 5 11 $_f; then
        px=$PETAL2; return 0
    fi
    if [ $((4 * _dx)) -ge $((-_f)) ] && [ $((4 * _dx)) -le "$_f" ] && [ $((4 * _dy)) -ge $((7 * _f)) ]; then
        px=$STEM; return 0
    fi
    # two flat leaves, left and right of the stem
    _a=$((4 * _dx + 7 * _f)) _b=$((4 * _dy - 12 * _f))
    if [ $((_a * _a + 9 * _b * _b)) -le $((36 * _f * _f)) ]; then px=$LEAF; return 0; fi
    _a=$((4 * _dx - 7 * _f)) _b=$((4 * _dy - 10 * _f))
    if [ $((_a * _a + 9 * _b * _b)) -le $((36 * _f * _f)) ]; then px=$LEAF; return 0; fi
    return 1
}
meadow_pixel() {
    flower "$1" "$2" 58 38 5 && return
    flower "$1" "$2" 24 46 4 && return
    flower "$1" "$2" 86 52 3 && return
    # a cloud, two hills, the field with darker furrows
    _a=$(($1 - 74)) _b=$(($2 - 9))
    if [ $((_a * _a + 16 * _b * _b)) -le 144 ] || in_circle $(($1 - 70)) $(($2 - 6)) 0 0 16 4; then
        px=$CLOUD; return
    fi
    _a=$(($1 - 72))
    if [ "$2" -ge 32 ]; then
        if [ $(($2 % 7)) -eq 0 ]; then px=$GRASS; else px=$FIELD; fi
    elif [ "$2" -ge $((18 + _a * _a / 180)) ]; then px=$HILL2
    elif [ "$2" -ge $((21 + ($1 - 12) * ($1 - 12) / 90)) ]; then px=$HILL1
    elif [ "$2" -lt 8 ]; then px=$SKYB1
    elif [ "$2" -lt 16 ]; then px=$SKYB2
    else px=$SKYB3
    fi
}

# tune.dxm: a melody file for the download list. The viewer only stores and
# copies such files; these bytes are note and length pairs of a children's
# song, in no particular player's format.
write_tune() {
    _notes="60 2 62 2 64 2 65 2 64 2 62 2 60 4 64 2 65 2 67 2 69 2 67 2 65 2 64 4
            60 4 60 4 60 4 60 4 60 1 60 1 62 1 62 1 64 1 64 1 65 1 65 1 64 2 62 2 60 4"
    printf "$(esc $_notes)" > "$1"
}

# memo.dat: every byte value once, 0 to 255, so a copy that changes any byte
# (a text conversion on the way) is easy to see.
write_data() {
    _all= _i=0
    while [ "$_i" -lt 256 ]; do _all=$_all$(esc "$_i"); _i=$((_i + 1)); done
    printf "$_all" > "$1"
}

# --- pages -------------------------------------------------------------------

# The pictograph tags, in the order of their codes 0 to 94.
EMOJI=" HEART CLOCK TELEPHONE CUP STAR VSEL HSEL DENPA FINE RAIN CLOUD TEAR SMILE
 KISS MELODY CAR TRAIN PLANE BIKE HOME BUIL PEACE DINNER GLASS CRY TULIP BASEBALL
 BALL PUNCH THUNDER ANGRY BEER NOTE PEN DOKURO MAIL NOSMOKING BELL FLOWER SPA MOON
 FLAG MASK RECORD MEAT DOG CAT MONKEY ELEPHANT TAKO NOODLE MIC PIKI PIYOPIYO SLEEP
 COFFEE TABACCO AUAU ONIGIRI BAG UNCHI TIE SHIRT SUIKA ICE BIKINI HASAMI CHUSHA
 MARINE FROG BYEBYE BHEART DIA CLUBS SPADE CLIP SNOWMAN CAKE APPLE PRESENT MONEY
 EXIT DOOR OYAJI PHS HOSHI TICKET LOVELOVE HIRAMEKI PETA NIKONIKO TENNIS MOVIE SKI
 !! "

# cells TEXT: LCD cells that a body line takes at the 20-cell width, tags
# removed (markup tags take none, an emoji tag two). An emoji tag that names
# no pictograph would show as text: it stops the run.
cells() {
    _s=$1 _t=
    while :; do
        case $_s in
            *'<'*) ;;
            *) _t=$_t$_s; break ;;
        esac
        _t=$_t${_s%%<*}
        _s=${_s#*<}
        case $_s in
            '#'*'>'*)
                _e=${_s%%>*}
                case $(echo $EMOJI) in
                    "${_e#?} "*|*" ${_e#?} "*|*" ${_e#?}") ;;
                    *) fail "no pictograph named ${_e#?}" ;;
                esac
                _t="$_t##"; _s=${_s#*>} ;;
            IMG=*'>'*|C=*'>'*|'/C>'*|'BL>'*|'/BL>'*) _s=${_s#*>} ;;
            *) _t="$_t<" ;;
        esac
    done
    printf '%s' "$_t" | iconv -f UTF-8 -t SHIFT_JIS | wc -c
}

# The header pass looks for these anywhere in the page; a body line holding
# one would move the start of the body.
is_header() {
    case $1 in
        *From:*|*Subject:*|*SEL=*|*Append:*|*stream\;*|*'<BODY='*) return 0 ;;
    esac
    return 1
}

# check_page SOURCE: the rules a page of this site keeps.
#  - Two link lines in a row: the second is never recognised.
#  - Body lines (after the last header line, before the boundary) hold no
#    header token and take at most 18 cells: a line that fills the 19th cell
#    wraps by itself, and its CR LF then leaves an empty row.
#  - Blink runs: no "<BL>" at a line end (the CR would be drawn in its place),
#    no "</BL>" at a line end or before "</C>", no "<BL><C=" (the colour
#    change would be lost).
#  - A picture tag ends its line: the LCD skips the character after the slot
#    digit, which is then the harmless CR.
check_page() {
    _last=0 _n=0 _prev=
    while IFS= read -r _l || [ -n "$_l" ]; do
        _n=$((_n + 1))
        case $_l in --VOV980907*) break ;; esac
        case $_l in *"$(printf '\r')"*) fail "$1:$_n: carriage return in the source" ;; esac
        case $_prev,$_l in SEL=*,SEL=*) fail "$1:$_n: link line directly after a link line" ;; esac
        is_header "$_l" && _last=$_n
        _prev=$_l
    done < "$1"
    _n=0
    while IFS= read -r _l || [ -n "$_l" ]; do
        _n=$((_n + 1))
        [ "$_n" -le "$_last" ] && continue
        case $_l in --VOV980907*) break ;; esac
        is_header "$_l" && fail "$1:$_n: header token in the body"
        case $_l in
            *'<BL>'|*'</BL>'|*'</BL></C>'*|*'<BL><C='*) fail "$1:$_n: blink run the LCD cannot show" ;;
            *'<IMG="'*'">'?*) fail "$1:$_n: text after a picture tag (its first character is not drawn)" ;;
        esac
        _c=$(cells "$_l")
        [ "$_c" -le 18 ] || fail "$1:$_n: $_c cells, at most 18 fit a line"
    done < "$1"
}

# expand SOURCE: the page in UTF-8 with CR LF line ends, Base64 parts filled in.
expand() {
    while IFS= read -r _l || [ -n "$_l" ]; do
        case $_l in
            '@@base64 '*'@@')
                _f=${_l#@@base64 }
                _f=$out/${_f%@@}
                [ -f "$_f" ] || fail "$1: no file $_f to embed"
                base64 -w 76 "$_f" | while IFS= read -r _b; do printf '%s\r\n' "$_b"; done
                ;;
            *) printf '%s\r\n' "$_l" ;;
        esac
    done < "$1"
}

# write_page NAME: src/NAME to samples/NAME in Shift_JIS; the result must read
# back to the same text both as Shift_JIS and as code page 932.
write_page() {
    check_page "$src/$1"
    expand "$src/$1" > "$work/$1"
    iconv -f UTF-8 -t SHIFT_JIS "$work/$1" > "$out/$1" || fail "$1: not representable in Shift_JIS"
    for _cs in SHIFT_JIS CP932; do
        iconv -f "$_cs" -t UTF-8 "$out/$1" | cmp -s - "$work/$1" ||
            fail "$1: does not read back the same as $_cs"
    done
}

write_bmp "$out/photo.bmp" 80 40 sunset_pixel
write_bmp "$out/embed.bmp" 100 73 meadow_pixel
write_tune "$out/tune.dxm"
write_data "$out/memo.dat"
for page in index.txt mail.txt colors.txt blink.txt emoji.txt long.txt attach.txt; do
    write_page "$page"
done
printf 'make-samples: wrote %s\n' "$out"
