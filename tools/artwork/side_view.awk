# Side view of an airliner as ImageMagick drawing commands (MVG), nose to
# the left, for make_artwork.sh. x0/x1 nose and tail tip, yb belly, h fuselage
# height, fin the fin top's y, ex the engine's x, gear the ground's y (0: gear
# up), bottom the picture's height (the engine stays inside), title the name
# painted above the windows.
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
