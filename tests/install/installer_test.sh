#!/usr/bin/env bash
# The installer as a user meets it, under Wine: a silent install into the
# simulator folder that the registry names, the program started from its
# Start-menu shortcut, a silent uninstall that leaves the user's files; the
# write access given to the Users group below Program Files, through a
# stand-in icacls.exe that records its command lines (Wine's does nothing).
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
installed=(CorvelConfig.exe Uninstall.exe README.md LICENSE.txt docs/user-guide.md)
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

install_silently() {
    wine "$installer" /S
    wineserver -w
}

uninstall_silently() {
    # The uninstaller runs a copy of itself from the temporary folder and
    # returns at once; the copy is done when the prefix is idle.
    wine "$1/Uninstall.exe" /S
    wineserver -w
}

check_installed() {
    local dir=$1 f
    for f in "${installed[@]}"; do
        [ -f "$dir/$f" ] || fail "$f is not in $dir"
    done
    [ -f "$shortcut" ] || fail "no Start-menu shortcut"
    reg query "$uninstall_key" $uninstall_view || fail "no uninstall entry"
}

check_uninstalled() {
    local dir=$1 f
    for f in "${installed[@]}" docs; do
        [ ! -e "$dir/$f" ] || fail "$f is still in $dir after uninstalling"
    done
    [ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
    ! reg query "$uninstall_key" $uninstall_view || fail "the uninstall entry is still there"
}

# Starts the program (the rest of the line is the command, run from /) and
# checks that its main menu appears, that it runs from folder $1 with that
# working folder, and that it ends on Escape.
start_and_close() {
    local dir=$1 window= pid= pattern starter
    shift
    (cd / && "$@") &
    starter=$!
    for _ in $(seq 120); do
        window=$(xdotool search --onlyvisible --name '^FSX Corvel Config$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.25
    done
    [ -n "$window" ] || fail "the main menu did not appear"
    pattern="$(basename "$(dirname "$(dirname "$dir")")").Norvane.Corvel.CorvelConfig\.exe"
    pid=$(pgrep -f "$pattern" | head -n1 || true)
    [ -n "$pid" ] || fail "no CorvelConfig.exe process from $dir"
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

step "install: SetupPath in both registry views, the user's Prefs.cfg in place"
sim="$drive_c/Corvel Test Sim"
decoy="$drive_c/Corvel Test Decoy"
dir="$sim/Norvane/Corvel"
make_sim "$sim"
rm -rf "$decoy"
mkdir -p "$decoy" "$dir"
printf '[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\nCommand.00-Modifier=3\r\nCommand.00-Key=20\r\n' \
    >"$dir/Prefs.cfg"
before=$(user_files "$sim")
# The 32-bit view is read first; its trailing backslash must not matter.
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Sim\' /f /reg:32
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Decoy' /f /reg:64
install_silently
check_installed "$dir"
[ -z "$(ls -A "$decoy")" ] || fail "installed below the 64-bit view's folder"
[ "$(user_files "$sim")" = "$before" ] || fail "installing changed the user's files"
[ -z "$(icacls_calls_made)" ] || fail "rights changed on a folder outside Program Files"

step "start from the Start-menu shortcut, close with Escape"
start_and_close "$dir" wine start "$shortcut_win"
wineserver -w

step "uninstall: the program goes, Prefs.cfg and the aircraft files stay"
uninstall_silently "$dir"
check_uninstalled "$dir"
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
check_installed "$sim64/Norvane/Corvel"
uninstall_silently "$sim64/Norvane/Corvel"
check_uninstalled "$sim64/Norvane/Corvel"
[ ! -e "$sim64/Norvane" ] || fail "the empty Norvane folder is still there"
[ "$(user_files "$sim64")" = "$before" ] || fail "the aircraft files changed"

step "install below Program Files: Users may modify exactly the folders the program writes to"
simpf="$drive_c/Program Files (x86)/Corvel Test PF Sim"
make_sim "$simpf"
rm -rf "$simpf/SimObjects/Airplanes/Norvane Zelvia A321IAE"
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Program Files (x86)\Corvel Test PF Sim' /f /reg:64
install_silently
check_installed "$simpf/Norvane/Corvel"
expected=
for folder in 'Norvane\Corvel' A318 A319 A319IAE A320 A320IAE A321 A319CJ; do
    [[ $folder == Norvane* ]] || folder="SimObjects\Airplanes\Norvane Zelvia $folder"
    expected+="\"C:\\Program Files (x86)\\Corvel Test PF Sim\\$folder\" /grant *S-1-5-32-545:(OI)(CI)M"$'\n'
done
calls=$(icacls_calls_made)
[ "$calls" = "${expected%$'\n'}" ] || fail "icacls calls below Program Files:
$calls
expected:
$expected"
uninstall_silently "$simpf/Norvane/Corvel"
check_uninstalled "$simpf/Norvane/Corvel"
[ -z "$(icacls_calls_made)" ] || fail "the uninstaller changed rights"

rm -rf "$sim" "$sim64" "$decoy" "$simpf"

# The zip extracted into the simulator folder C:\<name>, and its program
# started from there.
start_from_zip() {
    local sim="$drive_c/$1" folder="C:\\$1\\Norvane\\Corvel"
    (cd "$sim" && cmake -E tar xf "$zip")
    [ -f "$sim/Norvane/Corvel/CorvelConfig.exe" ] || fail "the zip holds no Norvane/Corvel/CorvelConfig.exe"
    start_and_close "$sim/Norvane/Corvel" wine start /d "$folder" "$folder\\CorvelConfig.exe"
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
[ ! -d "$drive_c/windows/syswow64" ] || fail "$WINEPREFIX is not a 32-bit prefix"
uninstall_view=
rm -f "$shortcut"
reg delete "$uninstall_key" /f || true
sim32="$drive_c/Corvel Test Sim32"
make_sim "$sim32"
before=$(user_files "$sim32")
reg add "$sim_key" /v SetupPath /t REG_SZ /d 'C:\Corvel Test Sim32' /f
install_silently
check_installed "$sim32/Norvane/Corvel"
start_and_close "$sim32/Norvane/Corvel" wine start "$shortcut_win"
uninstall_silently "$sim32/Norvane/Corvel"
check_uninstalled "$sim32/Norvane/Corvel"
[ "$(user_files "$sim32")" = "$before" ] || fail "the aircraft files changed"

step "32-bit prefix: the zip's program, extracted into the simulator folder"
start_from_zip "Corvel Test Sim32"
rm -rf "$sim32"
echo "installer: all checks passed"
