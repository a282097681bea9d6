# Top view of an airliner as ImageMagick drawing commands (MVG), nose to
# the left, for make_artwork.sh. x0/x1 nose and tail tip, yc centre line, hw half
# the fuselage width, ex the engines' x, height the picture's height. Wings
# run past the picture's edges.
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
