#!/usr/bin/env bash
# The installer as a user meets it, under Wine: a silent install into the
# simulator folder that the registry names (the program into Norvane\Corvel
# Config, the data folder Norvane\Corvel beside it), the program started from
# its Start-menu shortcut, a silent uninstall that leaves the user's files;
# the write access given to the Users group below Program Files, recorded by
# a stand-in icacls.exe (Wine's does nothing) and judged by
# users_rights.awk: what every user may then change.
#
#   installer_test.sh <Windows build folder>
#
# It packs the installer of that build (the program must be built) and uses
# a Wine prefix and an X display of its own, because it changes the
# registry and looks for the program's window by its title.
set -euo pipefail

build=$(cd "${1:?usage: installer_test.sh <Windows build folder>}" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$build/installer-test
mkdir -p "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "-- $*"; }

step "packing the installer"
rm -rf "$work/package"
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work/package" >/dev/null
cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work/package" >/dev/null
installer=$(find "$work/package" -maxdepth 1 -name 'CorvelConfig-*-setup.exe' | head -n1)
zip=$(find "$work/package" -maxdepth 1 -name 'CorvelConfig-*-win*.zip' | head -n1)
[ -n "$installer" ] || fail "cpack made no installer"
[ -n "$zip" ] || fail "cpack made no zip"
zip_files=$(unzip -Z1 "$zip")
for f in CorvelConfig.exe README.md CHANGELOG.md LICENSE.txt THIRD-PARTY-NOTICES.txt docs/user-guide.html; do
    grep -qx "Norvane/Corvel/$f" <<<"$zip_files" || fail "the zip holds no Norvane/Corvel/$f"
done
# The guide carries its pictures inside: one file, wherever it is copied.
unzip -p "$zip" Norvane/Corvel/docs/user-guide.html >"$work/user-guide.html"
grep -q 'src="data:image/png' "$work/user-guide.html" ||
    fail "the zip's user-guide.html does not embed its pictures"

export WINEPREFIX=$work/wineprefix
export WINEDEBUG=-all
# No Mono or Gecko, and no menu entries on the desktop of whoever runs this.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=;icacls.exe=n"
unset DISPLAY
source "$repo/scripts/xvfb-session"
# The prefix is this test's alone, so ending its processes touches nobody else.
trap 'wineserver -k 2>/dev/null || true; kill "$_xvfb_pid" 2>/dev/null || true' EXIT
"$repo/scripts/wine-run" # makes the prefix on first use
# Every Wine command through wine-run, which starts the loader this machine can run.
wine() { "$repo/scripts/wine-run" "$@"; }

drive_c=$WINEPREFIX/drive_c

# The stand-in icacls.exe: appends its command line to C:\icacls-calls.txt.
icacls_calls=$drive_c/icacls-calls.txt
cat >"$work/icacls.c" <<'EOF_C'
#include <windows.h>
#include <stdio.h>
int main(void) {
    char line[8192];
    FILE *log = _wfopen(L"C:\\icacls-calls.txt", L"ab");
    if (!log || !WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line, 0, 0))
        return 1;
    fprintf(log, "%s\n", line);
    return fclose(log) != 0;
}
EOF_C
# A 32-bit installer's system folder is syswow64 in this 64-bit prefix.
x86_64-w64-mingw32-gcc -O2 -o "$drive_c/windows/system32/icacls.exe" "$work/icacls.c"
i686-w64-mingw32-gcc -O2 -o "$drive_c/windows/syswow64/icacls.exe" "$work/icacls.c"
# The calls recorded since the last look, without the program's own path.
icacls_calls_made() {
    [ -f "$icacls_calls" ] && sed -E 's/^("[^"]*"|[^ ]*) //' "$icacls_calls"
    rm -f "$icacls_calls"
}
sim_key='HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\10.0'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\CorvelConfig'
shortcut_win='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Corvel Config.lnk'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvel Config.lnk"
guide_shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvel Config User Guide.lnk"
installed=(CorvelConfig.exe Uninstall.exe README.md CHANGELOG.md LICENSE.txt THIRD-PARTY-NOTICES.txt
    docs/user-guide.html docs/user-guide.md)
# An earlier version installed these into the data folder.
earlier=("${installed[@]}" docs/screenshots/main-menu.png)
# The installer registers its uninstaller in the 64-bit view; a 32-bit
# prefix has one view only.
uninstall_view=/reg:64

reg() { wine reg "$@" >/dev/null 2>&1; }

# A simulator folder with the add-on's aircraft.
make_sim() {
    rm -rf "$1"
    mkdir -p "$1"
    cp -r "$repo/demo/SimObjects" "$1/"
}

# Checksums of the user's files in a simulator folder.
user_files() {
    (cd "$1" && find . -type f \( -path './SimObjects/*' -o -path ./Norvane/Corvel/Prefs.cfg \) \
        -print0 | sort -z | xargs -0 md5sum)
}

# The rest of the line: more options for the installer.
install_silently() {
    wine "$installer" /S "$@"
    wineserver -w
}

uninstall_silently() {
    # The uninstaller runs a copy of itself from the temporary folder and
    # returns at once; the copy is done when the prefix is idle.
    wine "$1/Uninstall.exe" /S
    wineserver -w
}

# The program folder and the data folder of a simulator folder.
program_dir() { echo "$1/Norvane/Corvel Config"; }
data_dir() { echo "$1/Norvane/Corvel"; }

# Checks the installation into simulator folder $1.
check_installed() {
    local prog data f
    prog=$(program_dir "$1")
    data=$(data_dir "$1")
    for f in "${installed[@]}"; do
        [ -f "$prog/$f" ] || fail "$f is not in $prog"
    done
    [ -d "$data" ] || fail "no data folder $data"
    for f in "${earlier[@]}" docs; do
        [ ! -e "$data/$f" ] || fail "$f is in the data folder $data"
    done
    [ -f "$shortcut" ] || fail "no Start-menu shortcut"
    [ -f "$guide_shortcut" ] || fail "no Start-menu shortcut to the user guide"
    grep -qa 'user-guide\.html' "$guide_shortcut" || fail "the guide's shortcut does not name user-guide.html"
    reg query "$uninstall_key" $uninstall_view || fail "no uninstall entry"
}

check_uninstalled() {
    local prog f
    prog=$(program_dir "$1")
    for f in "${installed[@]}" docs; do
        [ ! -e "$prog/$f" ] || fail "$f is still in $prog after uninstalling"
    done
    [ ! -e "$prog" ] || fail "the program folder is still there: $(ls -A "$prog")"
    [ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
    [ ! -e "$guide_shortcut" ] || fail "the user guide's Start-menu shortcut is still there"
    ! reg query "$uninstall_key" $uninstall_view || fail "the uninstall entry is still there"
}

# Starts the program (the rest of the line is the command, run from /) and
# checks that its main menu appears, that it runs with working folder $1 from
# the program folder $2, and that it ends on Escape.
start_and_close() {
    local dir=$1 prog=$2 window= pid= pattern starter
    shift 2
    (cd / && "$@") &
    starter=$!
    for _ in $(seq 120); do
        window=$(xdotool search --onlyvisible --name '^FSX Corvel Config$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.25
    done
    [ -n "$window" ] || fail "the main menu did not appear"
    pattern="$(basename "$(dirname "$(dirname "$prog")")").Norvane.$(basename "$prog").CorvelConfig\.exe"
    pid=$(pgrep -f "$pattern" | head -n1 || true)
    [ -n "$pid" ] || fail "no CorvelConfig.exe process from $prog"
    # Wine keeps a process's Unix working folder on its Windows one.
    [ "$(readlink -f "/proc/$pid/cwd")" = "$(readlink -f "$dir")" ] ||
        fail "the program started in $(readlink -f "/proc/$pid/cwd"), not in $dir"
    xdotool windowfocus --sync "$window" key Escape
    for _ in $(seq 40); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.25
    done
    ! kill -0 "$pid" 2>/dev/null || fail "the program did not end on Escape"
    wait "$starter" || true
}

# Leftovers of an earlier run that stopped half-way.
rm -f "$shortcut"
reg delete "$uninstall_key" /f /reg:64 || true

# An earlier version's program files in data folder $1.
lay_earlier_version() {
    local f
    for f in "${earlier[@]}"; do
        mkdir -p "$(dirname "$1/$f")"
        echo "earlier version" >"$1/$f"
    done
}

# The value $2 of registry key $1 (the rest of the line: reg's options).
reg_value() {
    local key=$1 name=$2
    shift 2
    wine reg query "$key" /v "$name" "$@" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$name *REG_[A-Z_]* *//p"
}

step "install: SetupPath in both registry views, the user's Prefs.cfg and an earlier version in place"
sim="$drive_c/Corvel Test Sim"
decoy="$drive_c/Corvel Test Decoy"
dir=$(data_dir "$sim")
make_sim "$sim"
rm -rf "$decoy"
mkdir -p "$decoy" "$dir"
printf '[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\nCommand.00-Modifier=3\r\nCommand.00-Key=20\r\n' \
    >"$dir/Prefs.cfg"
before=$(user_files "$sim")
lay_earlier_version "$dir"
# The 32-bit view is read first; its trailing backslash must not matter.
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Sim\' /f /reg:32
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Decoy' /f /reg:64
install_silently
check_installed "$sim"
[ "$(ls -A "$dir")" = "Prefs.cfg" ] || fail "the earlier version's files are still in $dir: $(ls -A "$dir")"
[ -z "$(ls -A "$decoy")" ] || fail "installed below the 64-bit view's folder"
[ "$(user_files "$sim")" = "$before" ] || fail "installing changed the user's files"
[ -z "$(icacls_calls_made)" ] || fail "rights changed on a folder outside Program Files"
for name in InstallLocation DisplayIcon UninstallString; do
    value=$(reg_value "$uninstall_key" "$name" $uninstall_view)
    [[ $value == *'C:\Corvel Test Sim\Norvane\Corvel Config'* ]] ||
        fail "the uninstall entry's $name is not in the program folder: $value"
done

step "start from the Start-menu shortcut, close with Escape"
start_and_close "$dir" "$(program_dir "$sim")" wine start "$shortcut_win"
wineserver -w

step "uninstall: the program goes, Prefs.cfg and the aircraft files stay"
uninstall_silently "$(program_dir "$sim")"
check_uninstalled "$sim"
[ -f "$dir/Prefs.cfg" ] || fail "uninstalling removed Prefs.cfg"
[ "$(ls -A "$dir")" = "Prefs.cfg" ] || fail "unexpected files left in $dir: $(ls -A "$dir")"
[ "$(user_files "$sim")" = "$before" ] || fail "uninstalling changed the user's files"

step "install with SetupPath in the 64-bit view only, uninstall without a Prefs.cfg"
sim64="$drive_c/Corvel Test Sim64"
make_sim "$sim64"
before=$(user_files "$sim64")
reg delete "$sim_key" /v SetupPath /f /reg:32
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Sim64' /f /reg:64
install_silently
check_installed "$sim64"
uninstall_silently "$(program_dir "$sim64")"
check_uninstalled "$sim64"
[ ! -e "$sim64/Norvane" ] || fail "the Norvane folder is still there: $(ls -AR "$sim64/Norvane")"
[ "$(user_files "$sim64")" = "$before" ] || fail "the aircraft files changed"

step "install where the Steam edition is registered, SetupPath naming a folder without the aircraft"
steam="$drive_c/Corvel Test Steam"
make_sim "$steam"
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Decoy' /f /reg:64
reg add 'HKLM\SOFTWARE\Dovetail Games\FSX\10.0' /v Install_Path /t REG_SZ /d 'C:\Corvel Test Steam\' /f /reg:32
install_silently
check_installed "$steam"
[ -z "$(ls -A "$decoy")" ] || fail "installed below SetupPath's folder, which holds no aircraft"
uninstall_silently "$(program_dir "$steam")"
check_uninstalled "$steam"
reg delete 'HKLM\SOFTWARE\Dovetail Games\FSX\10.0' /f /reg:32

# Below Program Files: a simulator folder whose aircraft folders hold what
# the simulator loads for every user besides the aircraft.cfg the program
# saves: gauges, models, sounds and effects in subfolders, and in A320 a DLL
# of its own directly beside its aircraft.cfg.
simpf="$drive_c/Program Files (x86)/Corvel Test PF Sim"
simpf_win='C:\Program Files (x86)\Corvel Test PF Sim'
variants=(A318 A319 A319IAE A320 A320IAE A321 A319CJ) # A321IAE is not installed
make_pf_sim() {
    local v a
    make_sim "$simpf"
    rm -rf "$simpf/SimObjects/Airplanes/Norvane Zelvia A321IAE"
    for v in "${variants[@]}"; do
        a="$simpf/SimObjects/Airplanes/Norvane Zelvia $v"
        mkdir -p "$a/panel/bitmaps" "$a/model" "$a/sound" "$a/effects"
        echo "[Window00]" >"$a/panel/panel.cfg"
        echo gauge >"$a/panel/Zelvia_FMS.dll"
        echo gauge >"$a/panel/Zelvia_EFIS.GAU"
        echo bitmap >"$a/panel/bitmaps/pfd.bmp"
        echo model >"$a/model/Zelvia.mdl"
        echo "[models]" >"$a/model/model.cfg"
        echo "[fltsim]" >"$a/sound/sound.cfg"
        echo wave >"$a/sound/engine.wav"
        echo effect >"$a/effects/contrail.fx"
    done
    echo code >"$simpf/SimObjects/Airplanes/Norvane Zelvia A320/FlightDirector.DLL"
    mkdir -p "$(data_dir "$simpf")"
    lay_earlier_version "$(data_dir "$simpf")"
}

# What the Users group may do after the icacls calls in file $1, judged for
# every file and folder of the simulator folder and for the files the program
# creates beside the ones it saves. Prints one line for each thing that the
# group may do but must not, or must do but may not; nothing when all is right.
judge_rights() {
    local calls=$1 data_folders=() v f
    data_folders=('Norvane/Corvel')
    for v in "${variants[@]}"; do
        data_folders+=("SimObjects/Airplanes/Norvane Zelvia $v")
    done
    {
        (cd "$simpf" && find . -mindepth 1 \( -type d -printf 'd\t%P\n' \) -o \( -type f -printf 'f\t%P\n' \))
        # Created by the program later: they inherit what the folder passes on.
        printf 'f\tNorvane/Corvel/Prefs.cfg\n'
        for v in "${data_folders[@]}"; do
            for f in new.cfg new.cfg.original new.cfg.created 'new.cfg.~4242-0.tmp'; do
                printf 'f\t%s/%s\n' "$v" "$f"
            done
        done
    } | sort -u >"$work/paths.txt"
    awk -v root="$simpf_win" -f "$repo/tests/install/users_rights.awk" "$calls" "$work/paths.txt" |
        awk -F '\t' -v data="$(printf '%s\n' "${data_folders[@]}")" '
        BEGIN {
            n = split(data, d, "\n")
            for (i = 1; i <= n; i++) datafolder[tolower(d[i])] = 1
            # Rights that change, delete, add to or re-secure something.
            nw = split("WD AD WEA WA DE WDAC WO DC", w, " ")
            # What saving a file takes: the Modify rights.
            split("RD WD AD REA WEA X RA WA DE RC S", m, " ")
            code = "^(dll|gau|exe|ocx|cpl|sys|drv|scr|com|bat|cmd|ps1|vbs|js)$"
        }
        $1 == "ERROR" { print "cannot judge: " $2; next }
        {
            type = $1; path = $2; lower = tolower(path); $0 = $3
            split($0, r, " "); split("", has)
            for (k in r) has[r[k]] = 1
            writes = ""
            for (k = 1; k <= nw; k++) if (w[k] in has) writes = writes " " w[k]
            folder = lower; sub(/\/[^\/]*$/, "", folder)
            if (lower !~ /\//) folder = "."
            ext = lower; if (!sub(/.*\./, "", ext)) ext = ""
        }
        # The program folder and what it holds: nothing at all.
        lower ~ /^norvane\/corvel config(\/|$)/ {
            if ($0 != "") print path ": the program folder gives the Users group " $0
            next
        }
        # A subfolder of a data folder and what it holds: nothing at all,
        # not even inherited reading rights.
        {
            for (f in datafolder)
                if (index(lower, f "/") == 1 && (type == "d" || index(substr(lower, length(f) + 2), "/") > 0)) {
                    if ($0 != "") print path ": in a subfolder of a data folder, yet the Users group gets " $0
                    next
                }
        }
        # A data folder: new files, and nothing else that changes it.
        lower in datafolder {
            if (writes != " WD") print path ": the data folder gives the Users group" (writes == "" ? " nothing" : writes) ", not WD alone"
            next
        }
        # Code: never changed by the Users group.
        ext ~ code {
            if (writes != "") print path ": code that the Users group may change:" writes
            next
        }
        # Files directly in a data folder: saved by the program.
        folder in datafolder {
            for (k in m) if (!(m[k] in has)) { print path ": a file the program saves lacks " m[k]; next }
            next
        }
        # Anything else: unchanged.
        writes != "" { print path ": the Users group may change it:" writes }
        '
}

step "the rights judged: an earlier version's grant on every folder and its subfolders opens the gauges"
make_pf_sim
earlier_calls=$work/earlier-calls.txt
: >"$earlier_calls"
for folder in 'Norvane\Corvel' "${variants[@]}"; do
    [[ $folder == Norvane* ]] || folder="SimObjects\\Airplanes\\Norvane Zelvia $folder"
    echo "\"$simpf_win\\$folder\" /grant *S-1-5-32-545:(OI)(CI)M" >>"$earlier_calls"
done
findings=$(judge_rights "$earlier_calls")
grep -q 'A318/panel/Zelvia_FMS.dll: in a subfolder' <<<"$findings" ||
    fail "the judge let the earlier version's grant pass:
$findings"
grep -q 'A320/FlightDirector.DLL: code' <<<"$findings" ||
    fail "the judge let the earlier version's grant pass on a DLL beside aircraft.cfg:
$findings"

step "install below Program Files over an earlier version: Users may save the data files, and change nothing else"
reg add "$sim_key" /v SetupPath /t REG_SZ /d "$simpf_win" /f /reg:64
install_silently
check_installed "$simpf"
icacls_calls_made >"$work/calls.txt"
grep -qi 'A321IAE' "$work/calls.txt" && fail "rights changed on an aircraft folder that does not exist"
findings=$(judge_rights "$work/calls.txt")
[ -z "$findings" ] || fail "the rights below Program Files:
$findings
from these icacls calls:
$(cat "$work/calls.txt")"
# An earlier version's grant goes before anything is granted.
for folder in 'Norvane\Corvel' "${variants[@]}"; do
    [[ $folder == Norvane* ]] || folder="SimObjects\\Airplanes\\Norvane Zelvia $folder"
    first=$(grep -F "\"$simpf_win\\$folder\" " "$work/calls.txt" | head -n1)
    [ "$first" = "\"$simpf_win\\$folder\" /remove:g *S-1-5-32-545" ] ||
        fail "the first icacls call on $folder is not the removal of the earlier grant: $first"
done
uninstall_silently "$(program_dir "$simpf")"
check_uninstalled "$simpf"
[ -z "$(icacls_calls_made)" ] || fail "the uninstaller changed rights"

step "install below Program Files with /NOWRITEACCESS: no rights changed"
make_pf_sim
install_silently /NOWRITEACCESS
check_installed "$simpf"
calls=$(icacls_calls_made)
[ -z "$calls" ] || fail "icacls called without the component:
$calls"
uninstall_silently "$(program_dir "$simpf")"
check_uninstalled "$simpf"

rm -rf "$sim" "$sim64" "$steam" "$decoy" "$simpf"
# The zip extracted into the simulator folder C:\<name>, and its program
# started from there.
start_from_zip() {
    local sim="$drive_c/$1" folder="C:\\$1\\Norvane\\Corvel"
    (cd "$sim" && cmake -E tar xf "$zip")
    [ -f "$sim/Norvane/Corvel/CorvelConfig.exe" ] || fail "the zip holds no Norvane/Corvel/CorvelConfig.exe"
    start_and_close "$sim/Norvane/Corvel" "$sim/Norvane/Corvel" wine start /d "$folder" "$folder\\CorvelConfig.exe"
}

# The simulator is usually run in a 32-bit prefix; the program must start
# there too, installed and from the zip. A machine that runs no 32-bit code
# has a 64-bit build and no 32-bit prefix: the zip's program is started in
# the 64-bit prefix instead.
if [ "$("$repo/scripts/windows-arch")" != i686 ]; then
    step "the zip's program, extracted into the simulator folder (64-bit build: no 32-bit prefix here)"
    make_sim "$drive_c/Corvel Test SimZip"
    start_from_zip "Corvel Test SimZip"
    rm -rf "$drive_c/Corvel Test SimZip"
    echo "installer: all checks passed (the 32-bit prefix's checks need a machine that runs 32-bit code)"
    exit 0
fi

step "32-bit prefix: install, start from the shortcut, uninstall"
wineserver -w
export WINEPREFIX=$work/wineprefix32 WINEARCH=win32
"$repo/scripts/wine-run"
drive_c=$WINEPREFIX/drive_c
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvel Config.lnk"
guide_shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvel Config User Guide.lnk"
[ ! -d "$drive_c/windows/syswow64" ] || fail "$WINEPREFIX is not a 32-bit prefix"
uninstall_view=
rm -f "$shortcut" "$guide_shortcut"
reg delete "$uninstall_key" /f || true
sim32="$drive_c/Corvel Test Sim32"
make_sim "$sim32"
before=$(user_files "$sim32")
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Sim32' /f
install_silently
check_installed "$sim32"
start_and_close "$(data_dir "$sim32")" "$(program_dir "$sim32")" wine start "$shortcut_win"
uninstall_silently "$(program_dir "$sim32")"
check_uninstalled "$sim32"
[ "$(user_files "$sim32")" = "$before" ] || fail "the aircraft files changed"

step "32-bit prefix: the zip's program, extracted into the simulator folder"
start_from_zip "Corvel Test Sim32"
rm -rf "$sim32"
echo "installer: all checks passed"
