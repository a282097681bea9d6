# What the Users group may do in a simulator folder after the recorded icacls
# calls, as Windows works it out from the access control entries they leave.
#
#   awk -v root='C:\Sim' -f users_rights.awk CALLS PATHS
#
# CALLS: one icacls command line a line, without the program's name.
# PATHS: "f<TAB>path" or "d<TAB>path", a line for each file and folder to
#        judge, relative to the simulator folder, with / between names (a
#        file that does not exist yet gets what a new file there would).
# Prints "f|d<TAB>path<TAB>rights" for each of PATHS: the specific rights the
# Users group gets from those calls, space-separated, in a fixed order (empty when
# none). A file whose folder grants DC is deletable, so it gets DE too.
# Prints "ERROR<TAB>..." for a call it cannot judge: a path outside the
# simulator folder, another group, or a switch it does not know.
#
# What it models: an entry on a folder applies to the folder itself unless
# (IO); files directly inside inherit it with (OI), folders directly inside
# with (CI); deeper files only with (OI) and deeper folders only with (CI),
# and (NP) stops it after the first level. Explicit entries come before
# inherited ones, a nearer folder's before a farther one's, denials before
# grants of the same rank, and for each right the first entry that names it
# decides. /remove:g drops the group's explicit grants on the path (what they
# passed on goes with them), /remove:d its explicit denials, /remove both.

BEGIN {
    FS = "\t"
    users = "*s-1-5-32-545"
    order = "RD WD AD REA WEA X DC RA WA DE RC WDAC WO S"
    nall = split(order, all, " ")
    simple["F"] = order
    simple["M"] = "RD WD AD REA WEA X RA WA DE RC S"
    simple["RX"] = "RD REA X RA RC S"
    simple["R"] = "RD REA RA RC S"
    simple["W"] = "WD AD WEA WA RC S"
    simple["D"] = "DE"
    simple["N"] = ""
    generic["GA"] = order
    generic["MA"] = order
    generic["GR"] = simple["R"]
    generic["GW"] = simple["W"]
    generic["GE"] = "X RA RC S"
    for (i = 1; i <= nall; i++) known[all[i]] = 1
    rootkey = normalise(root)
    naces = 0
}

function lower(s) { return tolower(s) }

# A Windows path as a key: lower case, / between names, . and .. resolved.
function normalise(p,    n, name, out, i, depth, stack) {
    gsub(/\\/, "/", p)
    n = split(lower(p), name, "/")
    depth = 0
    for (i = 1; i <= n; i++) {
        if (name[i] == "" || name[i] == ".") continue
        if (name[i] == "..") { if (depth > 0) depth--; continue }
        stack[++depth] = name[i]
    }
    out = ""
    for (i = 1; i <= depth; i++) out = out (i > 1 ? "/" : "") stack[i]
    return out
}

# The path relative to the simulator folder, "." for the folder itself, or
# "" when it lies outside.
function relative(p,    key) {
    key = normalise(p)
    if (key == rootkey) return "."
    if (substr(key, 1, length(rootkey) + 1) == rootkey "/") return substr(key, length(rootkey) + 2)
    return ""
}

# "(OI)(NP)(IO)M" or "(WD,AD)": sets flags[] and returns the rights, or
# "?" when the text is not a permission icacls takes.
function permission(text, flags,    f, rights, list, n, i, s, r) {
    split("", flags)
    while (match(text, /^\((OI|CI|IO|NP|I)\)/)) {
        f = substr(text, 2, RLENGTH - 2)
        flags[f] = 1
        text = substr(text, RLENGTH + 1)
    }
    rights = ""
    if (text ~ /^\(.*\)$/) {
        n = split(substr(text, 2, length(text) - 2), list, ",")
        for (i = 1; i <= n; i++) {
            r = list[i]
            if (r in generic) rights = rights " " generic[r]
            else if (r in known) rights = rights " " r
            else return "?"
        }
        return rights
    }
    s = text
    while (s != "") {
        if (substr(s, 1, 2) == "RX") { rights = rights " " simple["RX"]; s = substr(s, 3); continue }
        r = substr(s, 1, 1)
        if (!(r in simple)) return "?"
        rights = rights " " simple[r]
        s = substr(s, 2)
    }
    return rights
}

function drop(path, kind,    i) {
    for (i = 1; i <= naces; i++)
        if (acepath[i] == path && (kind == "" || acekind[i] == kind)) acekind[i] = "gone"
}

function add(path, kind, perm,    flags, rights, n, r, i) {
    rights = permission(perm, flags)
    if (rights == "?") { print "ERROR\tpermission " perm; return }
    naces++
    acepath[naces] = path
    acekind[naces] = kind
    aceoi[naces] = ("OI" in flags)
    aceci[naces] = ("CI" in flags)
    aceio[naces] = ("IO" in flags)
    acenp[naces] = ("NP" in flags)
    n = split(rights, r, " ")
    for (i = 1; i <= n; i++) acer[naces, r[i]] = 1
}

# One icacls command line.
function call(line,    path, rest, n, w, i, sid, perm, op) {
    if (substr(line, 1, 1) == "\"") {
        rest = substr(line, 2)
        path = substr(rest, 1, index(rest, "\"") - 1)
        rest = substr(rest, length(path) + 2)
    } else {
        path = line
        sub(/ .*/, "", path)
        rest = substr(line, length(path) + 1)
    }
    path = relative(path)
    if (path == "") { print "ERROR\toutside the simulator folder: " line; return }
    n = split(rest, w, " ")
    for (i = 1; i <= n; i++) {
        op = lower(w[i])
        if (op == "/remove:g" || op == "/remove:d" || op == "/remove") {
            if (lower(w[++i]) != users) { print "ERROR\tanother group: " line; return }
            drop(path, op == "/remove:g" ? "allow" : op == "/remove:d" ? "deny" : "")
        } else if (op == "/grant" || op == "/grant:r" || op == "/deny") {
            sid = w[++i]
            perm = substr(sid, index(sid, ":") + 1)
            sid = substr(sid, 1, index(sid, ":") - 1)
            if (lower(sid) != users) { print "ERROR\tanother group: " line; return }
            if (op == "/grant:r") drop(path, "allow")
            add(path, op == "/deny" ? "deny" : "allow", perm)
        } else {
            print "ERROR\tunknown switch " w[i] ": " line
            return
        }
    }
}

function parent(p) {
    if (p !~ /\//) return "."
    sub(/\/[^\/]*$/, "", p)
    return p
}

# How entry a on its path reaches target (of type t), levels below it:
# 1 when it applies, 0 when not.
function reaches(a, levels, t) {
    if (levels == 0) return !aceio[a]
    if (levels > 1 && acenp[a]) return 0
    return t == "f" ? aceoi[a] : aceci[a]
}

# Fills got[] with the rights of the Users group on path p of type t.
function rights(p, t, got,    rank, a, levels, anc, k, r, decided, kind) {
    split("", got)
    split("", decided)
    # Ranks: explicit denials, explicit grants, then per level up the
    # inherited denials and grants.
    anc = p
    for (levels = 0; ; levels++) {
        for (kind = 0; kind < 2; kind++) {
            for (a = 1; a <= naces; a++) {
                if (acepath[a] != anc || acekind[a] != (kind ? "allow" : "deny")) continue
                if (!reaches(a, levels, t)) continue
                for (k = 1; k <= nall; k++) {
                    r = all[k]
                    if ((a, r) in acer && !(r in decided)) {
                        decided[r] = 1
                        if (kind) got[r] = 1
                    }
                }
            }
        }
        if (anc == ".") break
        anc = parent(anc)
    }
}

FILENAME == ARGV[1] { if ($0 != "") call($0); next }

{
    t = $1
    p = lower($2)
    rights(p, t, got)
    if (t == "f" && p != ".") {
        rights(parent(p), "d", up)
        if ("DC" in up) got["DE"] = 1
    }
    out = ""
    for (k = 1; k <= nall; k++) if (all[k] in got) out = out (out == "" ? "" : " ") all[k]
    print t "\t" $2 "\t" out
}
