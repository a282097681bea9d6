# Reads the load manager templates (res/dialogs/load_managers.rc) and prints
# one line per aircraft, in template order, for make_artwork.sh:
#
#   NAME TOP_BITMAP SIDE_BITMAP TOP_SIZE SIDE_SIZE FIRST SECOND FORWARD AFT
#
# the pictures' resource names and sizes (WxH px), and where the four fill
# bars fall on them in picture pixels (left,top,right,bottom; right and
# bottom exclusive). sizes gives each picture's size: "default=WxH" and
# "NAME=TOPxH/SIDExH" for aircraft whose pictures differ.
#
# Dialog units become pixels at 6/4 across and 13/8 down (MS Shell Dlg 8 pt
# at 96 DPI, and Tahoma under Wine). A picture with SS_CENTERIMAGE sits in
# the middle of its frame; one without is shown at its own size at the
# frame's top-left corner, inside its 1 px edge.

function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
function px(units, across) { return int((across ? units * 6 / 4 : units * 13 / 8) + 0.5) }
function fail(what) { printf "picture_boxes: %s\n", what > "/dev/stderr"; failed = 1; exit 1 }

# A rectangle's edges in dialog pixels, each rounded on its own as the
# dialog manager does: "left,top,right,bottom".
function edges(r,   u) {
    split(r, u, ",")
    return px(u[1], 1) "," px(u[2], 0) "," px(u[1] + u[3], 1) "," px(u[2] + u[4], 0)
}

# A bar's rectangle relative to a picture's top-left corner.
function box(bar, picture,   b, p) {
    split(edges(rect[bar]), b, ",")
    split(origin[picture], p, ",")
    return (b[1] - p[1]) "," (b[2] - p[2]) "," (b[3] - p[1]) "," (b[4] - p[2])
}

# Where a picture's top-left corner falls, in dialog pixels.
function place(picture, size,   f, s) {
    split(edges(rect[picture]), f, ",")
    split(size, s, "x")
    if (centred[picture])
        origin[picture] = (f[1] + int((f[3] - f[1] - s[1]) / 2)) "," (f[2] + int((f[4] - f[2] - s[2]) / 2))
    else
        origin[picture] = (f[1] + 1) "," (f[2] + 1)
}

function finish(   n, i, sz, top, side) {
    if (name == "") return
    n = split("IDC_LM_TOP_VIEW IDC_LM_SIDE_VIEW IDC_LM_FIRST_BAR IDC_LM_SECOND_BAR IDC_LM_FORWARD_BAR IDC_LM_AFT_BAR", need, " ")
    for (i = 1; i <= n; i++)
        if (!(need[i] in rect)) fail("IDD_" name "_LOAD_MANAGER has no " need[i])
    sz = (name in size) ? size[name] : size["default"] "/" size["default"]
    split(sz, both, "/")
    top = both[1]; side = both[2]
    place("IDC_LM_TOP_VIEW", top)
    place("IDC_LM_SIDE_VIEW", side)
    print name, bitmap["IDC_LM_TOP_VIEW"], bitmap["IDC_LM_SIDE_VIEW"], top, side,
          box("IDC_LM_FIRST_BAR", "IDC_LM_TOP_VIEW"), box("IDC_LM_SECOND_BAR", "IDC_LM_TOP_VIEW"),
          box("IDC_LM_FORWARD_BAR", "IDC_LM_SIDE_VIEW"), box("IDC_LM_AFT_BAR", "IDC_LM_SIDE_VIEW")
    delete rect; delete bitmap; delete centred
    name = ""
}

BEGIN {
    n = split(sizes, entries, " ")
    for (i = 1; i <= n; i++) { split(entries[i], kv, "="); size[kv[1]] = kv[2] }
    if (!("default" in size)) fail("no default picture size")
}

# A statement continues on the next line after a trailing comma or bar.
{
    line = statement $0
    if (line ~ /[,|][ \t]*$/) { statement = line " "; next }
    statement = ""
}

match(line, /^IDD_[A-Z0-9]+_LOAD_MANAGER[ \t]+DIALOGEX/) {
    finish()
    name = line
    sub(/^IDD_/, "", name); sub(/_LOAD_MANAGER.*/, "", name)
    count++
    next
}

line ~ /^END/ { finish(); next }

name != "" && line ~ /^[ \t]*CONTROL[ \t]/ {
    nf = split(line, f, ",")
    id = trim(f[2])
    if (id !~ /^IDC_LM_(TOP_VIEW|SIDE_VIEW|FIRST_BAR|SECOND_BAR|FORWARD_BAR|AFT_BAR)$/) next
    if (nf < 8) fail(id " of IDD_" name "_LOAD_MANAGER: no rectangle")
    rect[id] = trim(f[5]) "," trim(f[6]) "," trim(f[7]) "," trim(f[8])
    text = trim(f[1]); sub(/^CONTROL[ \t]+/, "", text)
    bitmap[id] = text
    centred[id] = f[4] ~ /SS_CENTERIMAGE/
}

END {
    if (failed) exit 1
    if (count == 0) fail("no load manager template in " FILENAME)
}
