#!/usr/bin/env bash
# Draws every bitmap of the program and its icon with ImageMagick, and lists
# them in res/artwork.rc. The output is committed; the build does not run this.
# Same input, same bytes: nothing random, no time stamps.
#
#   res/make_artwork.sh [--preview DIR]
#
# --preview also writes PNG copies to DIR, the load manager pictures with the
# dialogs' fill bars outlined in red, to check that the bars sit on the cabin
# and the holds.
#
# Needs: imagemagick, fonts-dejavu-core, fonts-dejavu-extra (Debian).
set -euo pipefail
export LC_ALL=C  # decimal points in the drawing commands, whatever the locale

res=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
preview=
if [ "${1:-}" = "--preview" ]; then
    preview=${2:?--preview needs a folder}
    mkdir -p "$preview"
    preview=$(cd "$preview" && pwd)
fi

# ---------------------------------------------------------------------------
# Load manager pictures: where the dialogs' fill bars fall on each picture, in
# picture pixels (left,top,right,bottom; right and bottom exclusive). Worked
# out from the dialog templates with 6/4 px per dialog unit across and 13/8 px
# down (MS Shell Dlg 8 pt at 96 DPI; Wine's font gives 12/8 down, which moves
# the bars by up to 6 px), each picture centred in its 381 x 75 unit frame, or,
# for the A320, drawn at the frame's top-left corner inside its 1 px edge.
# The drawings take the cabin, the holds and the engine from these boxes.
#
# aircraft top side  top size side size first class     second class    forward hold  aft hold
views=(
    "A318 160 161 568x118 568x118 105,32,181,89 189,32,378,89 96,66,153,89 258,66,357,89"
    "A319 158 157 568x118 568x118 96,31,172,88 177,31,396,88 90,61,162,84 244,61,373,84"
    "A320 147 146 571x76 573x99 97,35,173,85 178,35,418,85 88,59,160,82 271,60,400,83"
    "A321 148 149 568x118 568x118 81,39,169,80 172,39,441,80 85,61,190,84 267,61,408,84"
    "ACJ 156 159 568x118 568x118 117,39,169,80 187,39,405,80 88,59,163,82 267,59,378,82"
)

# Resource names of res/resource.h, by bitmap number.
declare -A names=(
    [102]=IDB_CONFIGURATION_HEADER [132]=IDB_CONFIGURATION_BANNER
    [134]=IDB_LOAD_MANAGER_BANNER [138]=IDB_FUEL_PLANNER_BANNER
    [145]=IDB_LOAD_MANAGER_HEADER [146]=IDB_A320_SIDE [147]=IDB_A320_TOP
    [148]=IDB_A321_TOP [149]=IDB_A321_SIDE [151]=IDB_SELECT_A318
    [152]=IDB_SELECT_A319 [153]=IDB_SELECT_A320 [154]=IDB_SELECT_A321
    [155]=IDB_SELECT_ACJ [156]=IDB_ACJ_TOP [157]=IDB_A319_SIDE [158]=IDB_A319_TOP
    [159]=IDB_ACJ_SIDE [160]=IDB_A318_TOP [161]=IDB_A318_SIDE
    [162]=IDB_KEY_CONFIG_BANNER
)

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

# bitmap DEPTH ID PICTURE FILE: writes res/bitmaps/FILE.png (8-bit RGB, no
# time stamps or other metadata; DEPTH 8 takes the picture's shades from a
# grey palette first) and notes it for res/artwork.rc. The program decodes
# it into a 24-bit bitmap when first used. Grey pictures are stored as RGB
# too: Wine cannot convert grey PNG to 24-bit colour.
declare -A files=()
bitmap() {
    local depth=$1 id=$2 picture=$3 file=$4
    if [ "$depth" = 8 ]; then
        convert "$picture" -alpha off -colorspace Gray -type Palette "BMP3:$tmp/grey.bmp"
        picture=$tmp/grey.bmp
    fi
    convert "$picture" -alpha off -type TrueColor -define png:color-type=2 -define png:bit-depth=8 \
        -strip -define png:exclude-chunks=date,time -define png:compression-level=9 \
        "PNG:$out/$file.png"
    files[$id]=$file
    if [ -n "$preview" ]; then
        cp "$out/$file.png" "$preview/$file.png"
    fi
}

# ---------------------------------------------------------------------------
# The aircraft, as ImageMagick drawing commands (MVG) written by awk.

# Side view, nose to the left. x0/x1 nose and tail tip, yb belly, h fuselage
# height, fin the fin top's y, ex the engine's x, gear the ground's y (0: gear
# up), bottom the picture's height (the engine stays inside), title the name
# painted above the windows.
cat >"$tmp/side.awk" <<'AWK'
function p(x, y) { return sprintf("%.1f,%.1f", x, y) }
BEGIN {
    L = x1 - x0; yt = yb - h; ft = yt - fin
    rl = ex - 0.05*L; rt = ex + 0.13*L
    print "push defs"
    print "push gradient 'body' linear 0," yt " 0," yb
    print "stop-color '#ffffff' 0"; print "stop-color '#f3f5f8' 0.45"; print "stop-color '#bfc7d1' 1"
    print "pop gradient"
    print "push gradient 'tail' linear " p(x1 - 2.5*h, yt) " " p(x1 - 0.5*h, fin)
    print "stop-color '" tail "' 0"; print "stop-color '" tail2 "' 1"
    print "pop gradient"
    print "push gradient 'nac' linear 0," (yb - 0.25*h) " 0," (yb + 0.3*h)
    print "stop-color '#ffffff' 0"; print "stop-color '#b3bcc7' 1"
    print "pop gradient"
    print "pop defs"
    print "stroke-linejoin round"
    # fin, behind the body
    print "push graphic-context"
    print "fill 'url(#tail)' stroke '#2a3340' stroke-width 0.9"
    print "path 'M " p(x1 - 2.9*h, yt + 0.04*h) " C " p(x1 - 2.45*h, yt) " " p(x1 - 2.2*h, yt - 0.08*ft) " " p(x1 - 2.0*h, yt - 0.25*ft) \
          " L " p(x1 - 1.0*h, fin) " L " p(x1 - 0.42*h, fin) " L " p(x1 - 0.30*h, yt + 0.14*h) " Z'"
    print "fill '" logo "' stroke none"
    print "path 'M " p(x1 - 1.9*h, yt - 0.15*ft) " C " p(x1 - 1.3*h, yt - 0.30*ft) " " p(x1 - 0.8*h, yt - 0.55*ft) " " p(x1 - 0.55*h, yt - 0.92*ft) \
          " C " p(x1 - 0.85*h, yt - 0.66*ft) " " p(x1 - 1.3*h, yt - 0.40*ft) " " p(x1 - 1.9*h, yt - 0.15*ft) " Z'"
    print "fill '#ffffff'"
    print "path 'M " p(x1 - 1.75*h, yt - 0.05*ft) " C " p(x1 - 1.2*h, yt - 0.16*ft) " " p(x1 - 0.7*h, yt - 0.35*ft) " " p(x1 - 0.40*h, yt - 0.62*ft) \
          " C " p(x1 - 0.75*h, yt - 0.42*ft) " " p(x1 - 1.2*h, yt - 0.22*ft) " " p(x1 - 1.75*h, yt - 0.05*ft) " Z'"
    print "pop graphic-context"
    # fuselage
    print "push graphic-context"
    print "fill 'url(#body)' stroke '#46505e' stroke-width 1"
    print "path 'M " p(x0, yt + 0.60*h) \
          " C " p(x0 + 0.02*h, yt + 0.30*h) " " p(x0 + 0.50*h, yt + 0.02*h) " " p(x0 + 1.55*h, yt) \
          " L " p(x1 - 0.9*h, yt) \
          " C " p(x1 - 0.5*h, yt + 0.02*h) " " p(x1 - 0.1*h, yt + 0.20*h) " " p(x1, yt + 0.30*h) \
          " L " p(x1, yt + 0.44*h) \
          " C " p(x1 - 0.9*h, yt + 0.55*h) " " p(x1 - 1.9*h, yb) " " p(x1 - 3.0*h, yb) \
          " L " p(x0 + 1.0*h, yb) \
          " C " p(x0 + 0.45*h, yb) " " p(x0 + 0.03*h, yt + 0.88*h) " " p(x0, yt + 0.60*h) " Z'"
    print "pop graphic-context"
    # cheat line
    print "push graphic-context"
    print "fill '" stripe "' stroke none"
    print "path 'M " p(x0 + 0.55*h, yt + 0.53*h) " L " p(x1 - 1.6*h, yt + 0.51*h) " L " p(x1 - 1.15*h, yt + 0.40*h) " L " p(x1 - 1.5*h, yt + 0.45*h) " L " p(x0 + 0.45*h, yt + 0.48*h) " Z'"
    print "pop graphic-context"
    # windscreen
    print "push graphic-context"
    print "fill '#1d2838' stroke '#0e141c' stroke-width 0.5"
    print "path 'M " p(x0 + 0.42*h, yt + 0.30*h) " L " p(x0 + 0.66*h, yt + 0.16*h) " L " p(x0 + 1.08*h, yt + 0.11*h) " L " p(x0 + 1.10*h, yt + 0.23*h) " L " p(x0 + 0.50*h, yt + 0.35*h) " Z'"
    print "stroke '#8fa3ba' stroke-width 0.6"
    print "line " p(x0 + 0.72*h, yt + 0.16*h) " " p(x0 + 0.74*h, yt + 0.29*h)
    print "pop graphic-context"
    # doors, over-wing exits and windows
    wy = yt + 0.27*h; ww = 0.085*h; wh = 0.13*h; pitch = 0.19*h
    dx1 = x0 + 1.25*h; dx2 = x1 - 3.0*h; ox1 = ex + 0.02*L; ox2 = ox1 + 0.25*h
    print "push graphic-context"
    print "fill none stroke '#7d8794' stroke-width 0.7"
    printf "roundrectangle %s %s 2,2\n", p(dx1, yt + 0.14*h), p(dx1 + 0.2*h, yt + 0.82*h)
    printf "roundrectangle %s %s 2,2\n", p(dx2, yt + 0.14*h), p(dx2 + 0.2*h, yt + 0.82*h)
    printf "roundrectangle %s %s 1.5,1.5\n", p(ox1 - 0.03*h, wy - 0.04*h), p(ox1 + ww + 0.03*h, wy + wh + 0.18*h)
    printf "roundrectangle %s %s 1.5,1.5\n", p(ox2 - 0.03*h, wy - 0.04*h), p(ox2 + ww + 0.03*h, wy + wh + 0.18*h)
    print "pop graphic-context"
    print "push graphic-context"
    print "fill '#2b3a4f' stroke none"
    for (x = dx1 + 0.45*h; x + ww < dx2 - 0.15*h; x += pitch) {
        if (x + ww > ox1 - 0.12*h && x < ox2 + ww + 0.12*h) continue
        printf "roundrectangle %s %s 1.2,1.2\n", p(x, wy), p(x + ww, wy + wh)
    }
    print "pop graphic-context"
    if (title != "") {
        print "push graphic-context"
        print "font '" font "' font-size " (0.2*h) " fill '" stripe "' stroke none"
        print "text " p(x0 + 1.7*h, wy - 0.06*h) " '" title "'"
        print "pop graphic-context"
    }
    # near stabiliser, belly fairing, near wing seen edge on (swept back and
    # rising to a sharklet)
    print "push graphic-context"
    print "fill '#b9c1cb' stroke '#4f5a67' stroke-width 0.8"
    print "path 'M " p(x1 - 1.85*h, yt + 0.36*h) " L " p(x1 - 0.95*h, yt + 0.26*h) " L " p(x1 - 0.62*h, yt + 0.26*h) " L " p(x1 - 0.72*h, yt + 0.42*h) " Z'"
    print "fill '#c9d0d8'"
    print "path 'M " p(rl - 0.06*L, yb - 0.02*h) " C " p(rl, yb + 0.09*h) " " p(rt, yb + 0.09*h) " " p(rt + 0.05*L, yb - 0.02*h) " Z'"
    print "fill '#b9c1cb'"
    print "path 'M " p(rl, yb - 0.22*h) " L " p(rt + 0.01*L, yb - 0.12*h) " L " p(rt + 0.085*L, yt + 0.64*h) " L " p(rt + 0.065*L, yt + 0.28*h) \
          " L " p(rt + 0.05*L, yt + 0.28*h) " L " p(rt + 0.045*L, yt + 0.60*h) " Z'"
    print "pop graphic-context"
    # engine on its pylon
    nl = ex - 0.075*L; nr = ex + 0.055*L; r = 0.27*h; ny = yb + 0.05*h
    if (ny + r > bottom - 2) ny = bottom - 2 - r
    print "push graphic-context"
    print "fill '#9aa4b0' stroke '#4f5a67' stroke-width 0.8"
    print "path 'M " p(ex - 0.02*L, ny - r) " L " p(rl + 0.03*L, yb - 0.19*h) " L " p(ex + 0.10*L, yb - 0.15*h) " L " p(nr, ny - 0.1*h) " Z'"
    print "fill 'url(#nac)' stroke '#3c4652' stroke-width 0.9"
    print "path 'M " p(nl, ny - r) " L " p(nr - 0.02*L, ny - 0.85*r) " C " p(nr, ny - 0.8*r) " " p(nr + 0.01*L, ny + 0.6*r) " " p(nr - 0.02*L, ny + 0.8*r) \
          " L " p(nl, ny + r) " C " p(nl - 0.012*L, ny + r) " " p(nl - 0.012*L, ny - r) " " p(nl, ny - r) " Z'"
    print "fill '" stripe "' stroke none"
    print "path 'M " p(nl + 0.03*L, ny - 0.93*r) " L " p(nl + 0.045*L, ny - 0.92*r) " L " p(nl + 0.045*L, ny + 0.95*r) " L " p(nl + 0.03*L, ny + 0.96*r) " Z'"
    print "fill '#59636f' stroke '#2f3842' stroke-width 0.6"
    print "path 'M " p(nr - 0.015*L, ny - 0.55*r) " L " p(nr + 0.03*L, ny - 0.1*r) " L " p(nr + 0.03*L, ny + 0.15*r) " L " p(nr - 0.015*L, ny + 0.55*r) " Z'"
    print "pop graphic-context"
    if (gear > 0) {
        mx = rt - 0.02*L; nx = x0 + 0.11*L; mw = 0.15*h; nw = 0.11*h
        print "push graphic-context"
        print "stroke '#3a424c' stroke-width " (0.045*h)
        print "line " p(mx, yb - 0.05*h) " " p(mx, gear - mw)
        print "line " p(nx, yb) " " p(nx, gear - nw)
        print "fill '#22282f' stroke '#0f1317' stroke-width 0.8"
        printf "circle %s %s\n", p(mx, gear - mw), p(mx + mw, gear - mw)
        printf "circle %s %s\n", p(nx, gear - nw), p(nx + nw, gear - nw)
        print "pop graphic-context"
    }
}
AWK

# Top view, nose to the left. x0/x1 nose and tail tip, yc centre line, hw half
# the fuselage width, ex the engines' x, height the picture's height. Wings
# run past the picture's edges.
cat >"$tmp/top.awk" <<'AWK'
function p(x, y) { return sprintf("%.1f,%.1f", x, y) }
function wing(s,   far, dk, rtk) {
    far = 6*hw; dk = 2.2*hw; rtk = rt + 0.02*L
    print "path 'M " p(rl, yc + s*0.9*hw) " L " p(rl + 0.5*(far - hw), yc + s*far) " L " p(rtk + 0.3*(far - dk), yc + s*far) \
          " L " p(rtk, yc + s*dk) " L " p(rt, yc + s*hw) " L " p(rt, yc + s*0.9*hw) " Z'"
}
function te(d,   dk, rtk) {
    # trailing edge x at distance d from the centre line
    dk = 2.2*hw; rtk = rt + 0.02*L
    return d < dk ? rt + (rtk - rt)*(d - hw)/(dk - hw) : rtk + 0.3*(d - dk)
}
function wing_lines(s,   far, d, x) {
    # slat and flap hinge lines, and the flap track fairings
    far = 6*hw
    print "stroke '#7f8a97' stroke-width 0.8 fill none"
    print "line " p(rl + 0.012*L, yc + s*hw) " " p(rl + 0.012*L + 0.5*(far - hw), yc + s*far)
    print "polyline " p(te(hw) - 0.035*L, yc + s*hw) " " p(te(2.2*hw) - 0.035*L, yc + s*2.2*hw) " " p(te(far) - 0.035*L, yc + s*far)
    print "fill '#b3bcc7' stroke '#6f7a88' stroke-width 0.6"
    for (d = 1.55*hw; d < far; d += 0.8*hw) {
        x = te(d)
        print "roundrectangle " p(x - 0.04*L, yc + s*d - 1.3) " " p(x + 0.018*L, yc + s*d + 1.3) " 1.3,1.3"
    }
}
function stab(s,   far) {
    far = 3.2*hw
    print "path 'M " p(sl, yc + s*0.3*hw) " L " p(sl + 0.62*(far - 0.3*hw), yc + s*far) " L " p(sl + 0.62*(far - 0.3*hw) + 0.05*L, yc + s*far) \
          " L " p(sl + 0.11*L, yc + s*0.3*hw) " Z'"
}
function nacelle(s,   ey, r, fx) {
    ey = yc + s*ed; r = 0.42*hw; fx = rl + 0.5*(ed - hw) - 0.07*L
    print "fill 'url(#nac)' stroke '#3c4652' stroke-width 0.9"
    print "path 'M " p(fx, ey - r) " L " p(fx + 0.13*L, ey - 0.8*r) " L " p(fx + 0.15*L, ey) " L " p(fx + 0.13*L, ey + 0.8*r) " L " p(fx, ey + r) \
          " C " p(fx - 0.012*L, ey + r) " " p(fx - 0.012*L, ey - r) " " p(fx, ey - r) " Z'"
    print "fill '" stripe "' stroke none"
    print "path 'M " p(fx + 0.03*L, ey - 0.96*r) " L " p(fx + 0.045*L, ey - 0.95*r) " L " p(fx + 0.045*L, ey + 0.95*r) " L " p(fx + 0.03*L, ey + 0.96*r) " Z'"
    print "fill '#3c4652'"
    print "path 'M " p(fx - 0.004*L, ey - 0.8*r) " C " p(fx - 0.011*L, ey - 0.8*r) " " p(fx - 0.011*L, ey + 0.8*r) " " p(fx - 0.004*L, ey + 0.8*r) " Z'"
}
BEGIN {
    L = x1 - x0; nose = 52; tc = x1 - 0.21*L; ed = 1.8*hw
    rl = ex - 0.05*L; rt = ex + 0.13*L; sl = x1 - 0.19*L; k = 0.5523
    print "push defs"
    print "push gradient 'body' linear 0," (yc - hw) " 0," (yc + hw)
    print "stop-color '#d2d8e0' 0"; print "stop-color '#ffffff' 0.4"; print "stop-color '#f4f6f8' 0.6"; print "stop-color '#b3bcc7' 1"
    print "pop gradient"
    print "push gradient 'wing' linear 0," (yc - 3*hw) " 0," (yc + 3*hw)
    print "stop-color '#8d99a8' 0"; print "stop-color '#c4ccd6' 0.5"; print "stop-color '#8d99a8' 1"
    print "pop gradient"
    print "push gradient 'nac' linear 0," (yc - 2.3*hw) " 0," (yc + 2.3*hw)
    print "stop-color '#b7c0cb' 0"; print "stop-color '#ffffff' 0.5"; print "stop-color '#b7c0cb' 1"
    print "pop gradient"
    print "pop defs"
    print "stroke-linejoin round"
    print "push graphic-context"
    # the engines only where the picture shows them whole
    if (yc - ed - 0.42*hw >= 2 && yc + ed + 0.42*hw <= height - 2) { nacelle(-1); nacelle(1) }
    print "fill 'url(#wing)' stroke '#4f5a67' stroke-width 0.9"
    wing(-1); wing(1); stab(-1); stab(1)
    wing_lines(-1); wing_lines(1)
    print "pop graphic-context"
    # fuselage
    print "push graphic-context"
    print "fill 'url(#body)' stroke '#46505e' stroke-width 1"
    print "path 'M " p(x0, yc) \
          " C " p(x0, yc - k*hw) " " p(x0 + nose*(1 - k), yc - hw) " " p(x0 + nose, yc - hw) \
          " L " p(tc, yc - hw) \
          " C " p(x1 - 0.08*L, yc - hw) " " p(x1 - 0.02*L, yc - 0.3*hw) " " p(x1, yc - 0.18*hw) \
          " L " p(x1, yc + 0.18*hw) \
          " C " p(x1 - 0.02*L, yc + 0.3*hw) " " p(x1 - 0.08*L, yc + hw) " " p(tc, yc + hw) \
          " L " p(x0 + nose, yc + hw) \
          " C " p(x0 + nose*(1 - k), yc + hw) " " p(x0, yc + k*hw) " " p(x0, yc) " Z'"
    print "pop graphic-context"
    # cockpit windows
    print "push graphic-context"
    print "fill '#1d2838' stroke '#0e141c' stroke-width 0.5"
    print "path 'M " p(x0 + 0.30*nose, yc - 0.62*hw) " C " p(x0 + 0.20*nose, yc - 0.2*hw) " " p(x0 + 0.20*nose, yc + 0.2*hw) " " p(x0 + 0.30*nose, yc + 0.62*hw) \
          " L " p(x0 + 0.42*nose, yc + 0.68*hw) " C " p(x0 + 0.34*nose, yc + 0.2*hw) " " p(x0 + 0.34*nose, yc - 0.2*hw) " " p(x0 + 0.42*nose, yc - 0.68*hw) " Z'"
    print "pop graphic-context"
    # fin seen from above, in the brand colour
    print "push graphic-context"
    print "fill '" tail "' stroke '#1a2230' stroke-width 0.8"
    print "path 'M " p(x1 - 0.24*L, yc) " C " p(x1 - 0.16*L, yc - 0.16*hw) " " p(x1 - 0.05*L, yc - 0.12*hw) " " p(x1 - 0.015*L, yc - 0.05*hw) \
          " L " p(x1 - 0.015*L, yc + 0.05*hw) " C " p(x1 - 0.05*L, yc + 0.12*hw) " " p(x1 - 0.16*L, yc + 0.16*hw) " " p(x1 - 0.24*L, yc) " Z'"
    print "pop graphic-context"
}
AWK

# side_view x0 x1 yb h fin ex gear livery title height  -> MVG on stdout
side_view() {
    local tail=$airlineTail tail2=$airlineTail2 stripe=$airlineStripe logo=$airlineLogo
    if [ "$8" = corporate ]; then
        tail=$corporateTail tail2=$corporateTail2 stripe=$corporateStripe logo=$corporateLogo
    fi
    awk -v x0="$1" -v x1="$2" -v yb="$3" -v h="$4" -v fin="$5" -v ex="$6" -v gear="$7" \
        -v tail="$tail" -v tail2="$tail2" -v stripe="$stripe" -v logo="$logo" \
        -v bottom="${10}" -v title="${9:-}" -v font="$bold" -f "$tmp/side.awk"
}

# top_view x0 x1 yc hw ex livery height  -> MVG on stdout
top_view() {
    local tail=$airlineTail stripe=$airlineStripe
    if [ "$6" = corporate ]; then
        tail=$corporateTail stripe=$corporateStripe
    fi
    awk -v x0="$1" -v x1="$2" -v yc="$3" -v hw="$4" -v ex="$5" -v height="$7" \
        -v tail="$tail" -v stripe="$stripe" -f "$tmp/top.awk"
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
    read -r name topId sideId topSize sideSize first second forward aft <<<"$row"
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

    # Top view: the fuselage a little wider than the passenger bars.
    convert -size "$topSize" gradient:'#f4f7fb'-'#dbe3ec' "$tmp/bg.png"
    convert -size "$topSize" xc:none \
        -draw "$(top_view "$x0" "$x1" "$(((ft + fb) / 2))" "$(((fb - ft) / 2 + 4))" "$ex" "$livery" "${topSize#*x}")" \
        "$tmp/plane.png"
    with_shadow "$tmp/bg.png" "$tmp/plane.png" "$tmp/top.png"
    bitmap 24 "$topId" "$tmp/top.png" "${name,,}_top"

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
    bitmap 24 "$sideId" "$tmp/side.png" "${name,,}_side"

    if [ -n "$preview" ]; then
        box_preview "$out/${name,,}_top.png" "$preview/${name,,}_top.png" "$first" "$second"
        box_preview "$out/${name,,}_side.png" "$preview/${name,,}_side.png" "$forward" "$aft"
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
bitmap 24 132 "$tmp/132.png" configuration_banner
banner 450 69 '#3d1500' '#e27810' '#ffe2b8' 38 "LOAD MANAGER" "$tmp/134.png" cabin cargo sky front cockpit
bitmap 24 134 "$tmp/134.png" load_manager_banner
banner 450 69 '#1d0836' '#7a3cc0' '#ead8ff' 38 "FUEL PLANNER" "$tmp/138.png" fuel engine runway cockpit sky
bitmap 24 138 "$tmp/138.png" fuel_planner_banner
banner 450 69 '#101010' '#7a7a7a' '#eeeeee' 38 "KEY CONFIG" "$tmp/162.png" keys cockpit overhead sky engine
bitmap 8 162 "$tmp/162.png" key_config_banner

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
bitmap 24 145 "$tmp/145.png" load_manager_header
header 638 100 '#051640' '#3d82f0' '#d6e6ff' 85 "Configuration" "$tmp/102.png" cockpit overhead sky engine tail
bitmap 24 102 "$tmp/102.png" configuration_header

# ---------------------------------------------------------------------------
# Aircraft selector: the name in dark blue bold italic capitals on white.

for pair in 151:A318 152:A319 153:A320 154:A321 155:ACJ; do
    id=${pair%%:*} name=${pair#*:}
    convert -size 200x65 xc:white \
        -fill '#d5e3f5' -stroke none -draw "path 'M 18,52 C 70,44 140,44 186,30 C 150,50 80,54 18,56 Z'" \
        \( -background none -fill '#0d2a6e' -font "$boldItalic" -pointsize 44 label:"$name" -trim +repage \) \
        -gravity center -geometry +0-3 -composite "$tmp/$id.png"
    bitmap 24 "$id" "$tmp/$id.png" "select_${name,,}"
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
{
    echo "// Bitmaps and the icon made by res/make_artwork.sh."
    for id in $(printf '%s\n' "${!files[@]}" | sort -n); do
        echo "${names[$id]} RCDATA \"res/bitmaps/${files[$id]}.png\""
    done
    echo "IDI_APP ICON \"res/app.ico\""
} >"$res/artwork.rc"
