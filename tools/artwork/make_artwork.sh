#!/usr/bin/env bash
# Draws every bitmap of the program and its icon with ImageMagick, and lists
# them in res/artwork.rc. The output is committed; the build does not run this.
# Same input, same bytes: nothing random, no time stamps.
#
#   tools/artwork/make_artwork.sh [--preview DIR]
#
# --preview also writes PNG copies to DIR, the load manager pictures with the
# dialogs' fill bars outlined in red, to check that the bars sit on the cabin
# and the holds.
#
# Needs: imagemagick, fonts-dejavu-core, fonts-dejavu-extra (Debian).
set -euo pipefail
export LC_ALL=C  # decimal points in the drawing commands, whatever the locale

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
res=$(cd "$here/../../res" && pwd)
preview=
if [ "${1:-}" = "--preview" ]; then
    preview=${2:?--preview needs a folder}
    mkdir -p "$preview"
    preview=$(cd "$preview" && pwd)
fi

# The bitmaps' numbers come from res/resource.h, the load manager pictures'
# frames and fill bars from their dialog templates (picture_boxes.awk), so
# that neither is repeated here.
declare -A ids=()
while read -r _ name number _; do
    ids[$name]=$number
done < <(grep -E '^#define IDB_[A-Z0-9_]+ +[0-9]+' "$res/resource.h")

# Each picture's size in pixels; the A320's are shown at their own size.
pictureSizes="default=568x118 A320=571x76/573x99"
boxes=$(awk -v sizes="$pictureSizes" -f "$here/picture_boxes.awk" "$res/dialogs/load_managers.rc")
mapfile -t views <<<"$boxes"

fonts=/usr/share/fonts/truetype/dejavu
bold=$fonts/DejaVuSans-Bold.ttf
boldItalic=$fonts/DejaVuSans-BoldOblique.ttf
mono=$fonts/DejaVuSansMono-Bold.ttf
for f in "$bold" "$boldItalic" "$mono"; do
    [ -f "$f" ] || { echo "make_artwork: $f missing (apt-get install fonts-dejavu-core fonts-dejavu-extra)" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "make_artwork: ImageMagick missing" >&2; exit 1; }

# The airline's colours: Norvane blue, and the corporate jet's charcoal and gold.
airlineTail='#1d4f9c' airlineTail2='#0b2350' airlineStripe='#1d4f9c' airlineLogo='#4cc3f0'
corporateTail='#3a3f47' corporateTail2='#15181c' corporateStripe='#b8923a' corporateLogo='#e0c068'

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
out=$res/bitmaps
mkdir -p "$out"
rm -f "$out"/*.bmp "$out"/*.png

# bitmap DEPTH NAME PICTURE [bmp]: writes the bitmap NAME of res/resource.h to
# res/bitmaps/<name>.png, its name in lower case without IDB_ (8-bit RGB, no
# time stamps or other metadata; DEPTH 8 takes the picture's shades from a
# grey palette first) and notes it for res/artwork.rc. The program decodes
# it into a 24-bit bitmap when first used. Grey pictures are stored as RGB
# too: Wine cannot convert grey PNG to 24-bit colour. With "bmp", the
# picture is stored as an uncompressed 24-bit bitmap (<name>.bmp) instead:
# the main menu's banners, which the program shows at start-up, where
# starting the PNG decoder would cost more than the bytes saved.
declare -A drawn=() format=()
bitmap() {
    local depth=$1 name=$2 picture=$3 kind=${4:-png} file
    [ -n "${ids[$name]:-}" ] || { echo "make_artwork: $name is not in res/resource.h" >&2; exit 1; }
    file=${name#IDB_}
    file=${file,,}
    if [ "$depth" = 8 ]; then
        convert "$picture" -alpha off -colorspace Gray -type Palette "BMP3:$tmp/grey.bmp"
        picture=$tmp/grey.bmp
    fi
    if [ "$kind" = bmp ]; then
        convert "$picture" -alpha off -type TrueColor "BMP3:$out/$file.bmp"
    else
        convert "$picture" -alpha off -type TrueColor -define png:color-type=2 -define png:bit-depth=8 \
            -strip -define png:exclude-chunks=date,time -define png:compression-level=9 \
            "PNG:$out/$file.png"
    fi
    drawn[$name]=$file
    format[$name]=$kind
    if [ -n "$preview" ]; then
        convert "$out/$file.$kind" "PNG:$preview/$file.png"
    fi
}

# ---------------------------------------------------------------------------
# The aircraft, as ImageMagick drawing commands (MVG): side_view.awk and
# top_view.awk next to this script.

# side_view x0 x1 yb h fin ex gear livery title height  -> MVG on stdout
side_view() {
    local tail=$airlineTail tail2=$airlineTail2 stripe=$airlineStripe logo=$airlineLogo
    if [ "$8" = corporate ]; then
        tail=$corporateTail tail2=$corporateTail2 stripe=$corporateStripe logo=$corporateLogo
    fi
    awk -v x0="$1" -v x1="$2" -v yb="$3" -v h="$4" -v fin="$5" -v ex="$6" -v gear="$7" \
        -v tail="$tail" -v tail2="$tail2" -v stripe="$stripe" -v logo="$logo" \
        -v bottom="${10}" -v title="${9:-}" -v font="$bold" -f "$here/side_view.awk"
}

# top_view x0 x1 yc hw ex livery height  -> MVG on stdout
top_view() {
    local tail=$airlineTail stripe=$airlineStripe
    if [ "$6" = corporate ]; then
        tail=$corporateTail stripe=$corporateStripe
    fi
    awk -v x0="$1" -v x1="$2" -v yc="$3" -v hw="$4" -v ex="$5" -v height="$7" \
        -v tail="$tail" -v stripe="$stripe" -f "$here/top_view.awk"
}

# with_shadow BACKGROUND LAYER OUT: the layer over the background with a soft shadow.
with_shadow() {
    convert "$1" \( "$2" -background '#1a2a40' -shadow 28x3+4+6 \) "$2" -background none -flatten "$3"
}

# ---------------------------------------------------------------------------
# Load manager pictures

# box_preview IN OUT BOX...: a PNG copy with the boxes outlined.
box_preview() {
    local in=$1 png=$2 draw="" b l t r btm
    shift 2
    for b in "$@"; do
        IFS=, read -r l t r btm <<<"$b"
        draw+="rectangle $l,$t $((r - 1)),$((btm - 1)) "
    done
    convert "$in" -fill none -stroke red -draw "$draw" "$png"
}

for row in "${views[@]}"; do
    read -r name topBitmap sideBitmap topSize sideSize first second forward aft <<<"$row"
    IFS=, read -r fl ft _ fb <<<"$first"
    IFS=, read -r _ _ sr _ <<<"$second"
    IFS=, read -r wl wt wr wb <<<"$forward"
    IFS=, read -r al at ar ab <<<"$aft"
    livery=airline
    [ "$name" = ACJ ] && livery=corporate

    # The cabin runs from the first bar's front to the last bar's back, in
    # both views; the engine hangs between the two holds.
    cabinFront=$((fl < wl ? fl : wl))
    cabinBack=$((sr > ar ? sr : ar))
    x0=$((cabinFront - 52))
    x1=$((cabinBack + 92))
    ex=$(((wr + al) / 2))

    # Top view: the fuselage a little wider than the passenger bars. Where
    # the bars reach too near the picture's bottom (the A320's run past it),
    # the fuselage keeps its top edge and ends 8 px above the bottom, so that
    # the whole body and both wings stay in the picture.
    th=${topSize#*x}
    yc=$(((ft + fb) / 2)) hw=$(((fb - ft) / 2 + 4))
    if [ $((yc + hw)) -gt $((th - 8)) ]; then
        hw=$(((th - 8 - (ft - 4)) / 2))
        yc=$((th - 8 - hw))
    fi
    convert -size "$topSize" gradient:'#f4f7fb'-'#dbe3ec' "$tmp/bg.png"
    convert -size "$topSize" xc:none \
        -draw "$(top_view "$x0" "$x1" "$yc" "$hw" "$ex" "$livery" "$th")" \
        "$tmp/plane.png"
    with_shadow "$tmp/bg.png" "$tmp/plane.png" "$tmp/top.png"
    bitmap 24 "$topBitmap" "$tmp/top.png"

    # Side view: the holds' bars on the lower lobe, the windows just above them.
    sh=${sideSize#*x}
    barTop=$((wt < at ? wt : at))
    barBottom=$((wb > ab ? wb : ab))
    yb=$((barBottom + 4))
    h=$(((yb - barTop) * 10 / 6 + 2))
    ground=$((yb + h * 45 / 100))
    [ "$ground" -le $((sh - 3)) ] || ground=$((sh - 3))
    [ $((ground - yb)) -ge $((h * 3 / 10)) ] || ground=0
    convert -size "$sideSize" gradient:'#f1f6fb'-'#d5dee8' "$tmp/bg.png"
    convert -size "$sideSize" xc:none \
        -draw "$(side_view "$x0" "$x1" "$yb" "$h" 4 "$ex" "$ground" "$livery" NORVANE "$sh")" \
        "$tmp/plane.png"
    with_shadow "$tmp/bg.png" "$tmp/plane.png" "$tmp/side.png"
    bitmap 24 "$sideBitmap" "$tmp/side.png"

    if [ -n "$preview" ]; then
        box_preview "$out/${drawn[$topBitmap]}.png" "$preview/${drawn[$topBitmap]}.png" "$first" "$second"
        box_preview "$out/${drawn[$sideBitmap]}.png" "$preview/${drawn[$sideBitmap]}.png" "$forward" "$aft"
    fi
done

# ---------------------------------------------------------------------------
# Small pictures for the banners, each drawn at 260 x 200 and scaled down.

tile() { convert -size 260x200 "$@"; }

# Cockpit: sky through the windscreen, glareshield, the displays.
tile_cockpit() {
    tile gradient:'#4d8fd6'-'#d9e9f7' -draw "
        fill '#eef4fa' ellipse 60,78 70,10 0,360 ellipse 200,80 80,9 0,360
        fill '#1c2026' path 'M 0,0 L 26,0 L 48,70 L 0,86 Z' path 'M 260,0 L 234,0 L 212,70 L 260,86 Z'
        path 'M 122,0 L 138,0 L 134,66 L 126,66 Z'
        fill '#111417' path 'M 0,84 C 60,66 200,66 260,84 L 260,112 L 0,112 Z'
        fill '#2b3037' rectangle 0,108 260,200
        fill '#0d0f12' stroke '#4a525c' stroke-width 2
        roundrectangle 12,118 84,190 5,5 roundrectangle 94,118 166,190 5,5 roundrectangle 176,118 248,190 5,5
        stroke none fill '#2f7fd1' rectangle 18,124 78,152
        fill '#8b5a2b' path 'M 18,152 L 78,146 L 78,184 L 18,184 Z'
        stroke '#ffffff' stroke-width 1.5 line 18,152 78,146 line 40,138 56,136.5 line 42,164 54,163
        stroke '#ffd21f' stroke-width 3 line 30,151 42,150 line 54,149 66,148
        stroke none fill '#5b6068' rectangle 18,124 26,184 rectangle 70,124 78,184
        fill none stroke '#ffffff' stroke-width 1.5 arc 104,132 156,196 200,340
        stroke '#ff40ff' stroke-width 2 line 130,176 138,140 line 138,140 152,128
        stroke '#21d36a' line 130,170 130,182 line 124,176 136,176
        stroke '#29c7ff' stroke-width 1.5 circle 138,140 140,140
        stroke '#21d36a' stroke-width 3 fill none arc 184,128 210,154 150,330 arc 214,128 240,154 150,330
        stroke '#ffffff' stroke-width 1 line 197,141 205,133 line 227,141 234,134
        stroke none fill '#21d36a' font '$mono' font-size 11 text 186,172 '86.2' text 216,172 '86.4'
        fill '#ff9b1f' font-size 9 text 70,100 '250' text 118,100 '180' text 166,100 'FL350'
        fill '#5e6670' circle 20,100 20,105 circle 240,100 240,105
    " "$1"
}

# Sky: an airliner climbing out through the clouds.
tile_sky() {
    convert -size 520x200 xc:none -draw "$(side_view 40 440 120 46 20 200 0 airline "" 200)" \
        -background none -rotate -9 -resize 50% +repage -gravity center -extent 260x200 "$tmp/climb.png"
    tile gradient:'#1d5fb0'-'#a9d1f5' -draw "
        fill '#ffffff' fill-opacity 0.75
        ellipse 40,175 80,22 0,360 ellipse 130,188 90,20 0,360 ellipse 230,172 70,26 0,360
        ellipse 200,40 40,8 0,360 ellipse 30,60 30,6 0,360
        fill-opacity 0.95 ellipse 70,190 60,16 0,360 ellipse 200,192 70,14 0,360
    " "$tmp/climb.png" -geometry +0-8 -composite "$1"
}

# Engine: the intake of a turbofan, seen from the front.
tile_engine() {
    local blades="" i
    for i in $(seq 0 22); do
        blades+="rotate 15.65 path 'M 0,-16 C 10,-30 16,-50 12,-70 L 2,-70 C 4,-50 0,-30 -6,-16 Z' "
    done
    tile gradient:'#9fb6cc'-'#56697e' -draw "
        fill '#e9edf1' stroke '#7c8894' stroke-width 2 circle 130,100 130,8
        fill '#c3cbd4' stroke none circle 130,100 130,16
        fill '#1b2027' circle 130,100 130,22
        push graphic-context translate 130,100 fill '#8e99a5' stroke '#2a3038' stroke-width 1 $blades pop graphic-context
        fill '#d8dde3' stroke '#444c55' stroke-width 1 circle 130,100 130,84
        fill none stroke '#2a3038' stroke-width 2 path 'M 124,96 C 128,90 136,92 136,100'
        fill '$airlineStripe' stroke none path 'M 40,30 C 60,12 90,6 110,6 L 100,14 C 80,16 62,22 48,36 Z'
    " "$1"
}

# Overhead panel: rows of lit push buttons and knobs.
tile_overhead() {
    local draw="fill '#59636e' rectangle 0,0 260,200 stroke '#d8dde2' stroke-width 1.2 fill none
        roundrectangle 8,8 126,96 6,6 roundrectangle 134,8 252,96 6,6
        roundrectangle 8,104 126,192 6,6 roundrectangle 134,104 252,192 6,6 stroke none"
    local x y
    for y in 22 62 118 158; do
        for x in 18 48 78 144 174 204; do
            draw+=" fill '#1d2125' roundrectangle $x,$y $((x + 24)),$((y + 24)) 2,2
                fill '#f0f3f6' rectangle $((x + 4)),$((y + 14)) $((x + 20)),$((y + 19))"
            if [ $(((x / 6 + y) % 4)) -eq 1 ]; then
                draw+=" fill '#ffa51f' rectangle $((x + 4)),$((y + 4)) $((x + 20)),$((y + 9))"
            fi
        done
        draw+=" fill '#2a2f35' stroke '#0f1215' stroke-width 1 circle 116,$((y + 12)) 116,$((y + 3))
            stroke '#ffffff' stroke-width 2 line 116,$((y + 12)) 121,$((y + 5)) stroke none
            fill '#2a2f35' stroke '#0f1215' stroke-width 1 circle 240,$((y + 12)) 240,$((y + 3))
            stroke '#ffffff' stroke-width 2 line 240,$((y + 12)) 234,$((y + 6)) stroke none"
    done
    tile xc:none -draw "$draw" "$1"
}

# Front view of an airliner on the runway at dusk.
tile_front() {
    tile gradient:'#1f2f5c'-'#f29a52' -draw "
        fill '#2b2f36' path 'M 0,150 L 260,150 L 260,200 L 0,200 Z'
        fill '#4a4f58' path 'M 110,150 L 150,150 L 230,200 L 30,200 Z'
        stroke '#f4f4f4' stroke-width 2 line 130,156 130,162 line 130,170 130,180 line 130,188 130,200
        stroke none fill '#ffe9a8' circle 112,152 112,153 circle 148,152 148,153 circle 96,162 96,163.5 circle 164,162 164,163.5
        circle 72,178 72,180 circle 188,178 188,180
        fill '#c6ccd4' stroke '#3a4048' stroke-width 1.5
        path 'M 0,98 L 112,110 L 112,120 L 0,112 Z' path 'M 260,98 L 148,110 L 148,120 L 260,112 Z'
        path 'M 70,70 L 122,80 L 122,86 L 70,80 Z' path 'M 190,70 L 138,80 L 138,86 L 190,80 Z'
        fill '$airlineTail' path 'M 126,34 L 134,34 L 133,80 L 127,80 Z'
        fill '#eef1f4' circle 130,104 130,78
        stroke '#20262d' stroke-width 2 line 122,126 122,146 line 138,126 138,146
        fill '#1c2026' stroke none
        roundrectangle 117,142 127,152 2,2 roundrectangle 133,142 143,152 2,2
        fill '#dfe4e9' stroke '#3a4048' stroke-width 1.5 circle 64,124 64,106 circle 196,124 196,106
        fill '#1b2027' stroke none circle 64,124 64,110 circle 196,124 196,110
        fill '#b4bcc6' circle 64,124 64,119 circle 196,124 196,119
        fill '#1d2838' path 'M 116,92 L 144,92 L 147,99 L 113,99 Z'
        fill '#ffffff' circle 130,118 130,116
        stroke '#20262d' stroke-width 3 line 130,126 130,148
        fill '#1c2026' stroke none roundrectangle 126,146 134,156 2,2
    " "$1"
}

# Cabin: the aisle between rows of seats.
tile_cabin() {
    local draw="" i x y w
    for i in 7 6 5 4 3 2 1 0; do
        y=$((92 + i * i * 2 + i * 6))
        w=$((16 + i * 7))
        x=$((100 - i * 14))
        draw+=" fill '#1e3f7a' stroke '#10244a' stroke-width 1
            roundrectangle $((x - w)),$y $x,$((y + w * 3 / 2)) 4,4
            roundrectangle $((260 - x)),$y $((260 - x + w)),$((y + w * 3 / 2)) 4,4
            fill '#e8ecf0' stroke none rectangle $((x - w + 3)),$((y + 2)) $((x - 3)),$((y + w / 3))
            rectangle $((263 - x)),$((y + 2)) $((260 - x + w - 3)),$((y + w / 3))"
    done
    tile gradient:'#f2f0ea'-'#b9b4aa' -draw "
        fill '#dcd8cf' path 'M 0,0 L 260,0 L 150,80 L 110,80 Z'
        fill '#fffbe8' path 'M 60,0 L 200,0 L 138,78 L 122,78 Z'
        fill '#cfcac0' stroke '#a29d93' stroke-width 1
        path 'M 0,10 L 100,74 L 100,88 L 0,70 Z' path 'M 260,10 L 160,74 L 160,88 L 260,70 Z'
        fill '#7e776c' stroke none path 'M 112,96 L 148,96 L 200,200 L 60,200 Z'
        fill '#a88e5c' path 'M 120,96 L 140,96 L 160,200 L 100,200 Z'
        fill '#89a6c7' ellipse 8,100 5,10 0,360 ellipse 252,100 5,10 0,360
        $draw
    " "$1"
}

# Cargo: containers in a lit hold.
tile_cargo() {
    tile gradient:'#46505c'-'#1b1f24' -draw "
        fill '#2b3038' path 'M 0,150 L 260,150 L 260,200 L 0,200 Z'
        stroke '#e0b43a' stroke-width 2 line 0,158 260,158 line 0,172 260,172 line 0,190 260,190
        stroke '#8a939e' stroke-width 1.5 fill '#c9d0d8'
        path 'M 10,70 L 100,70 L 100,150 L 28,150 L 10,128 Z'
        path 'M 108,60 L 198,60 L 198,150 L 126,150 L 108,128 Z'
        path 'M 206,70 L 296,70 L 296,150 L 224,150 L 206,128 Z'
        stroke '#9aa3ad' stroke-width 1 line 30,72 30,148 line 55,72 55,148 line 80,72 80,148
        line 128,62 128,148 line 153,62 153,148 line 178,62 178,148
        line 226,72 226,148 line 251,72 251,148
        stroke none fill '$airlineTail' rectangle 40,84 70,94 rectangle 138,74 168,84 rectangle 236,84 266,94
        fill '#fff4c2' fill-opacity 0.35 path 'M 100,0 L 160,0 L 240,150 L 20,150 Z'
    " "$1"
}

# Fuel page: the wing tanks on a dark display.
tile_fuel() {
    tile xc:'#0b0e12' -draw "
        fill none stroke '#ffffff' stroke-width 2
        path 'M 130,40 L 140,40 L 140,110 L 250,150 L 250,160 L 140,140 L 120,140 L 10,160 L 10,150 L 120,110 L 120,40 Z'
        stroke '#21d36a' stroke-width 1.5
        line 60,132 60,152 line 95,120 95,144 line 165,120 165,144 line 200,132 200,152
        stroke none fill '#21d36a' font '$mono' font-size 15
        text 16,136 '1730' text 66,124 '5420' text 110,162 '6260' text 172,124 '5420' text 206,136 '1730'
        fill '#29c7ff' font-size 13 text 18,30 'FOB' fill '#21d36a' font-size 18 text 60,31 '20560'
        fill '#29c7ff' font-size 13 text 122,31 'KG'
        fill '#ffffff' font-size 11 text 14,190 'F.USED' fill '#21d36a' text 70,190 '0'
        fill '#ffffff' text 150,190 'GW' fill '#21d36a' text 176,190 '64250'
    " "$1"
}

# Keyboard: key caps seen from above at a slant.
tile_keys() {
    local draw="" row col x y key
    local rows=("F1 F2 F3 F4 F5 F6" "1 2 3 4 5 6" "Q W E R T Y" "A S D F G H" "Z X C V B N")
    for row in 0 1 2 3 4; do
        col=0
        for key in ${rows[$row]}; do
            x=$((6 + row * 12 + col * 46))
            y=$((6 + row * 40))
            draw+=" fill '#16191d' roundrectangle $x,$((y + 3)) $((x + 42)),$((y + 38)) 5,5
                fill '#e9ecef' roundrectangle $x,$y $((x + 42)),$((y + 34)) 5,5
                fill '#f8f9fa' roundrectangle $((x + 4)),$((y + 2)) $((x + 38)),$((y + 26)) 4,4
                fill '#2b3038' text $((x + 8)),$((y + 20)) '$key'"
            col=$((col + 1))
        done
    done
    tile gradient:'#5a6068'-'#2c3036' -draw "font '$bold' font-size 14 $draw" "$1"
}

# Runway at dusk: the approach lights run to the threshold.
tile_runway() {
    local draw="" i
    for i in 0 1 2 3 4 5 6; do
        draw+=" fill '#fff1b0' circle $((130 - 8 - i * 10)),$((124 + i * 11)) $((130 - 8 - i * 10)),$((125 + i * 11 + i / 2))
            circle $((130 + 8 + i * 10)),$((124 + i * 11)) $((130 + 8 + i * 10)),$((125 + i * 11 + i / 2))"
    done
    tile gradient:'#243b70'-'#f5a35c' -draw "
        fill '#f9d27a' circle 200,118 200,108
        fill '#20242b' path 'M 0,120 L 260,120 L 260,200 L 0,200 Z'
        fill '#41464f' path 'M 120,120 L 140,120 L 250,200 L 10,200 Z'
        stroke '#eeeeee' stroke-width 2 line 130,124 130,130 line 130,138 130,148 line 130,158 130,174 line 130,184 130,200
        stroke none $draw
        fill '#ff5a3c' circle 60,121 60,122 circle 200,121 200,122
    " "$1"
}

# Tail: the fin with the airline's logo against the sky.
tile_tail() {
    tile gradient:'#2a6fc2'-'#bcdcf7' -draw "
        fill '#ffffff' fill-opacity 0.7 ellipse 60,170 80,14 0,360 ellipse 210,185 60,10 0,360 fill-opacity 1
        fill '#e9edf1' stroke '#56606c' stroke-width 1.5 path 'M 0,160 C 80,150 200,140 260,150 L 260,200 L 0,200 Z'
        fill '$airlineTail' stroke '#0b1f45' stroke-width 1.5 path 'M 40,156 L 150,20 L 230,20 L 215,146 Z'
        stroke none fill '$airlineLogo' path 'M 70,140 C 110,110 160,70 222,30 C 180,75 130,115 70,140 Z'
        fill '#ffffff' path 'M 90,146 C 130,120 170,90 218,62 C 185,100 140,130 90,146 Z'
    " "$1"
}

# ---------------------------------------------------------------------------
# Banners: the tool's name in large capitals over a strip of pictures.

# strip W H OUT TILE...: the tiles side by side, cut to fill W x H.
strip() {
    local w=$1 h=$2 png=$3 n i x args=()
    shift 3
    n=$#
    i=0
    for t in "$@"; do
        [ -f "$tmp/tile_$t.png" ] || "tile_$t" "$tmp/tile_$t.png"
        # share out the width so the tiles meet exactly at W
        x=$(((i + 1) * w / n - i * w / n))
        args+=("(" "$tmp/tile_$t.png" -resize "${x}x${h}^" -gravity center -extent "${x}x${h}" ")")
        i=$((i + 1))
    done
    # thin rules between the pictures, like prints laid side by side
    local rules=""
    for ((i = 1; i < n; i++)); do
        x=$((i * w / n))
        rules+="stroke '#00000070' line $((x - 1)),0 $((x - 1)),$h stroke '#ffffff40' line $x,0 $x,$h "
    done
    convert "${args[@]}" +append -draw "$rules" "$png"
}

# tinted IN OUT DARK MID LIGHT [PERCENT]: the picture recoloured from DARK
# through MID to LIGHT by brightness, keeping a little of its own colour.
tinted() {
    convert "$1" \( +clone -colorspace Gray \
        \( -size 1x128 gradient:"$5-$4" -size 1x128 gradient:"$4-$3" -append -flip \) -clut \) \
        -compose Blend -define compose:args="${6:-85}" -composite "$2"
}

# banner W H DARK MID LIGHT POINTS TEXT OUT TILE...: TEXT in white capitals with
# a dark rim and a soft shadow, centred on the tinted strip.
banner() {
    local w=$1 h=$2 dark=$3 mid=$4 light=$5 points=$6 text=$7 png=$8
    shift 8
    strip "$w" "$h" "$tmp/strip.png" "$@"
    tinted "$tmp/strip.png" "$tmp/tinted.png" "$dark" "$mid" "$light"
    convert -background none -fill white -stroke "$dark" -strokewidth 1 -font "$bold" \
        -pointsize "$points" label:"$text" -trim +repage "$tmp/text.png"
    convert "$tmp/tinted.png" \
        \( -size "${w}x${h}" radial-gradient:'#00000070'-'#00000000' \) -compose Over -composite \
        \( -size "${w}x$((h / 2))" gradient:'#ffffff40'-'#ffffff00' \) -gravity north -composite \
        \( "$tmp/text.png" -background black -shadow 80x2+1+2 \) -gravity center -geometry +1+2 -composite \
        "$tmp/text.png" -gravity center -geometry +0+0 -composite \
        -fill none -stroke '#ffffff50' -draw "line 0,0 $w,0" -stroke '#00000060' -draw "line 0,$((h - 1)) $w,$((h - 1))" \
        "$png"
}

banner 450 69 '#051640' '#2f6fd6' '#d6e6ff' 38 CONFIGURATION "$tmp/132.png" overhead cockpit sky engine tail
bitmap 24 IDB_CONFIGURATION_BANNER "$tmp/132.png" bmp
banner 450 69 '#3d1500' '#e27810' '#ffe2b8' 38 "LOAD MANAGER" "$tmp/134.png" cabin cargo sky front cockpit
bitmap 24 IDB_LOAD_MANAGER_BANNER "$tmp/134.png" bmp
banner 450 69 '#1d0836' '#7a3cc0' '#ead8ff' 38 "FUEL PLANNER" "$tmp/138.png" fuel engine runway cockpit sky
bitmap 24 IDB_FUEL_PLANNER_BANNER "$tmp/138.png" bmp
banner 450 69 '#101010' '#7a7a7a' '#eeeeee' 38 "KEY CONFIG" "$tmp/162.png" keys cockpit overhead sky engine
bitmap 8 IDB_KEY_CONFIG_BANNER "$tmp/162.png" bmp

# header W H DARK MID LIGHT PERCENT TITLE OUT TILE...: a dialog's title over
# its pictures, on a band that darkens towards the left where the title sits.
# The load managers show the middle 594 x 81 px only: the title keeps clear
# of the edges.
header() {
    local w=$1 h=$2 dark=$3 mid=$4 light=$5 percent=$6 title=$7 png=$8
    shift 8
    strip "$w" "$h" "$tmp/strip.png" "$@"
    tinted "$tmp/strip.png" "$tmp/tinted.png" "$dark" "$mid" "$light" "$percent"
    convert -background none -fill white -font "$boldItalic" -pointsize 40 label:"$title" \
        -trim +repage "$tmp/text.png"
    local th
    th=$(identify -format %h "$tmp/text.png")
    convert "$tmp/tinted.png" \
        \( -size "${h}x${w}" gradient:"${dark}e0-${dark}00" -rotate -90 \) -compose Over -composite \
        \( -size "${w}x$((h / 2))" gradient:'#ffffff30'-'#ffffff00' \) -gravity north -composite \
        \( "$tmp/text.png" -background black -shadow 80x2+1+2 \) -gravity west -geometry +41+0 -composite \
        "$tmp/text.png" -gravity west -geometry +40-2 -composite \
        -gravity northwest -fill "$mid" -stroke none \
        -draw "rectangle 40,$(((h + th) / 2 + 3)) 190,$(((h + th) / 2 + 6))" \
        -fill none -stroke '#ffffff50' -draw "line 0,0 $w,0" -stroke '#00000060' -draw "line 0,$((h - 1)) $w,$((h - 1))" \
        "$png"
}

header 638 100 '#3d1500' '#f08a1c' '#ffe2b8' 30 "Load Manager" "$tmp/145.png" cockpit sky cabin cargo front
bitmap 24 IDB_LOAD_MANAGER_HEADER "$tmp/145.png"
header 638 100 '#051640' '#3d82f0' '#d6e6ff' 85 "Configuration" "$tmp/102.png" cockpit overhead sky engine tail
bitmap 24 IDB_CONFIGURATION_HEADER "$tmp/102.png"

# ---------------------------------------------------------------------------
# Aircraft selector: the name in dark blue bold italic capitals on white.

for row in "${views[@]}"; do
    name=${row%% *}
    convert -size 200x65 xc:white \
        -fill '#d5e3f5' -stroke none -draw "path 'M 18,52 C 70,44 140,44 186,30 C 150,50 80,54 18,56 Z'" \
        \( -background none -fill '#0d2a6e' -font "$boldItalic" -pointsize 44 label:"$name" -trim +repage \) \
        -gravity center -geometry +0-3 -composite "$tmp/select.png"
    bitmap 24 "IDB_SELECT_$name" "$tmp/select.png"
done

# ---------------------------------------------------------------------------
# Icon: a white airliner climbing across a blue disc, drawn large and scaled
# down.

convert -size 256x256 xc:none -draw "
    fill '#0a3a8f' circle 128,128 128,4
    fill '#1e63c9' circle 128,124 128,12
    fill '#3d86ea' circle 118,110 118,34
    fill '#ffffff' fill-opacity 0.12 ellipse 110,70 80,40 0,360 fill-opacity 1
    fill none stroke '#e6f0ff' stroke-width 6 circle 128,128 128,7
    push graphic-context
    translate 128,128 rotate 45 scale 0.92,0.92 fill '#ffffff' stroke '#0b2350' stroke-width 3 stroke-linejoin round
    path 'M 0,-104 C 10,-104 13,-90 13,-76 L 13,-22 L 100,22 L 100,36 L 13,18 L 12,66
          L 40,84 L 40,94 L 8,88 L 4,100 L -4,100 L -8,88 L -40,94 L -40,84 L -12,66
          L -13,18 L -100,36 L -100,22 L -13,-22 L -13,-76 C -13,-90 -10,-104 0,-104 Z'
    fill '#dfe8f5' stroke '#0b2350' stroke-width 2.5
    roundrectangle 38,-10 52,24 5,5 roundrectangle -52,-10 -38,24 5,5
    pop graphic-context
" "$tmp/icon256.png"
for size in 64 48 40 32 24 20 16; do
    convert "$tmp/icon256.png" -filter Lanczos -resize "${size}x${size}" "$tmp/icon$size.png"
done
# Every size Windows asks for at 100 % to 200 % scaling (16 to 32 small, 32
# to 64 large), and 256 for the shell's largest views.
convert "$tmp/icon256.png" "$tmp/icon64.png" "$tmp/icon48.png" "$tmp/icon40.png" "$tmp/icon32.png" \
    "$tmp/icon24.png" "$tmp/icon20.png" "$tmp/icon16.png" "$res/app.ico"
if [ -n "$preview" ]; then
    convert "$tmp/icon64.png" "$tmp/icon48.png" "$tmp/icon40.png" "$tmp/icon32.png" "$tmp/icon24.png" \
        "$tmp/icon20.png" "$tmp/icon16.png" -background none +append "$preview/app_ico.png"
fi

# ---------------------------------------------------------------------------
# Every bitmap of res/resource.h, in the order of their numbers.
for name in "${!ids[@]}"; do
    [ -n "${drawn[$name]:-}" ] || { echo "make_artwork: nothing draws $name of res/resource.h" >&2; exit 1; }
done
{
    echo "// Bitmaps and the icon made by tools/artwork/make_artwork.sh."
    for name in $(for n in "${!ids[@]}"; do echo "${ids[$n]} $n"; done | sort -n | cut -d' ' -f2); do
        if [ "${format[$name]}" = bmp ]; then
            echo "$name BITMAP \"res/bitmaps/${drawn[$name]}.bmp\""
        else
            echo "$name RCDATA \"res/bitmaps/${drawn[$name]}.png\""
        fi
    done
    echo "IDI_APP ICON \"res/app.ico\""
} >"$res/artwork.rc"
