#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/ by driving the real program
# under Wine, in a private Xvfb, as a user would (mouse clicks and keys
# through xdotool), on a fresh copy of the demo simulator folder.
#
#   tools/screenshots/take_screenshots.sh [--dpi N]                   builds the program first
#   tools/screenshots/take_screenshots.sh [--dpi N] CorvelConfig.exe  uses that program
#
# --dpi N takes them on a screen of N dots per inch (96, 120, 144 or 192;
# 96 by default) into docs/screenshots/Ndpi/; those at 96 DPI go to
# docs/screenshots/.
#
# WINEPREFIX, when set, is the prefix to use; otherwise build/screenshots/
# wineprefix (wineprefix-dpiN), so that no simulator registered in another
# prefix gets in the way. The demo simulator folder is copied to C:\FSX in
# the prefix, so that About shows a folder as a user's would look.
#
# Both DPIs give the same set of pictures: every dialog and message the
# program opens on the way, the window menu and About.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD

dpi=96
if [ "${1:-}" = "--dpi" ]; then
    dpi=${2:?--dpi needs a number}
    shift 2
fi
# The base units of "MS Shell Dlg" 8 (Wine's Tahoma) at each DPI, in pixels
# across and down: where a control of the resource script lies.
case $dpi in
    96) unit_x=6 unit_y=13 ;;
    120) unit_x=7 unit_y=16 ;;
    144) unit_x=9 unit_y=19 ;;
    192) unit_x=12 unit_y=25 ;;
    *) echo "screenshots: no base units known for $dpi DPI" >&2; exit 2 ;;
esac

if [ $# -gt 0 ]; then
    program=$(realpath "$1")
else
    ./scripts/setup
    ./scripts/configure-windows
    cmake --build --preset windows --target CorvelConfig
    program=$repo/build/windows/CorvelConfig.exe
fi

work=$repo/build/screenshots
out=$repo/docs/screenshots
prefix=$work/wineprefix
if [ "$dpi" != 96 ]; then
    out=$out/${dpi}dpi
    prefix=$work/wineprefix-dpi$dpi
fi
mkdir -p "$out"

export WINEPREFIX=${WINEPREFIX:-$prefix}
export CORVEL_DPI=$dpi
export WINEDEBUG=-all
unset DISPLAY
# Room for the tallest dialog (436 dialog units) at this DPI.
[ "$dpi" = 96 ] || export CORVEL_SCREEN=2560x2048x24
source ./scripts/xvfb-session
./scripts/wine-run # makes the prefix on first use
sim=$WINEPREFIX/drive_c/FSX
rm -rf "$sim"
mkdir -p "$sim"
cp -r demo/. "$sim/"
cp "$program" "$sim/Norvane/Corvel/CorvelConfig.exe"

fail() {
    echo "screenshots: $*" >&2
    exit 1
}

source tests/win32/support/wait_window.sh
window_settle=0.6 # each window is photographed: let it paint

wait_closed() {
    for _ in $(seq 40); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.25
    done
    fail "window \"$1\" did not close"
}

# Where the client area of a dialog starts in its window (frame and
# caption), measured on the main menu (319 x 227 dialog units): the same
# frame and caption for every dialog.
frame_x=3 frame_y=22
measure_frame() {
    local width height
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
    frame_x=$(((width - 319 * unit_x / 4) / 2))
    frame_y=$((height - 227 * unit_y / 8 - frame_x))
}

# A click in the middle of a control, given by its rectangle in dialog
# units (x y width height) as in the resource script.
click() {
    local window=$1 x=$2 y=$3 w=$4 h=$5
    xdotool mousemove --window "$window" $((frame_x + (2 * x + w) * unit_x / 8)) \
        $((frame_y + (2 * y + h) * unit_y / 16))
    xdotool click 1
    sleep 0.3
}

# Keys go to the window that has the focus (Wine ignores key --window).
keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 15 "$@"
    sleep 0.3
}

type_text() {
    xdotool type --delay 40 "$1"
}

# A window's picture, taken while it is the active window, so that its
# title bar is drawn active.
shot() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    sleep 0.3
    import -window "$1" "$out/$2.png"
    echo "screenshots: $out/$2.png"
}

# The flight plan comes from the tests' local stand-in for the service.
read -r plan_server plan_port < <(python3 tests/win32/flight_plan_server.py) ||
    fail "the local flight plan server did not start"
trap 'kill "$plan_server" 2>/dev/null' EXIT
export CORVEL_FLIGHT_PLAN_URL=http://127.0.0.1:$plan_port/ok

# Through wine-run, which picks the loader this machine can run.
(cd "$sim/Norvane/Corvel" && "$repo/scripts/wine-run" CorvelConfig.exe) &
program_pid=$!

menu=$(wait_window "FSX Corvel Config")
measure_frame "$menu"

# Load Manager: the selector, then the A321 with a day's payload. (The
# A320's template gives its top view a shorter frame than the cabin bars,
# so the A321 shows the tool.)
click "$menu" 7 55 305 42
selector=$(wait_window "Aircraft Selector")
click "$selector" 7 155 140 46 # A321
shot "$selector" aircraft-selector
click "$selector" 7 256 140 14 # Select an aircraft...
loads=$(wait_window "A321 Load Manager")
click "$loads" 87 78 188 16 # business class: all 16 seats
keys "$loads" End
click "$loads" 87 94 188 16 # economy class: 160 of 169
keys "$loads" End
xdotool key --delay 10 --repeat 9 Left
click "$loads" 87 122 188 16 # forward hold 65 %
keys "$loads" Home
xdotool key --delay 10 --repeat 65 Right
click "$loads" 87 138 188 16 # aft hold 40 %
keys "$loads" Home
xdotool key --delay 10 --repeat 40 Right
sleep 0.5
shot "$loads" load-manager-kg
click "$loads" 323 361 58 10 # Imperial (LBS)
sleep 0.5
shot "$loads" load-manager-lb
click "$loads" 295 414 50 16 # OK
note=$(wait_window "WARNING")
shot "$note" message-payload-saved
keys "$note" Return
wait_closed "WARNING"

# The other load managers with the demo folder's payloads: their pictures
# centred in their frames, the fill bars over the cabins and the holds.
for aircraft in "A318 7" "A319 56" "A320 105" "ACJ 205"; do
    set -- $aircraft
    click "$menu" 7 55 305 42
    selector=$(wait_window "Aircraft Selector")
    click "$selector" 7 "$2" 140 46
    click "$selector" 7 256 140 14
    other=$(wait_window "$1 Load Manager")
    shot "$other" "load-manager-${1,,}"
    keys "$other" Escape
    wait_closed "$1 Load Manager"
done

# Set Load over the A320's load manager: 140 passengers, 3 500 kg of cargo
# and a ZFW CG aimed at 28 % MAC, answered as typed.
click "$menu" 7 55 305 42
selector=$(wait_window "Aircraft Selector")
click "$selector" 7 105 140 46
click "$selector" 7 256 140 14
loads=$(wait_window "A320 Load Manager")
click "$loads" 237 413 50 16 # Set load...
setload=$(wait_window "A320 Set Load")
click "$setload" 92 20 44 12 # Passengers
keys "$setload" Home shift+End
type_text 140
click "$setload" 15 38 74 10 # Cargo
keys "$setload" Home shift+End
type_text 3500
click "$setload" 15 109 74 10 # Aim at a ZFW CG of
keys "$setload" Home shift+End
type_text 28
sleep 0.5
shot "$setload" set-load
keys "$setload" Escape
wait_closed "A320 Set Load"
keys "$loads" Escape
wait_closed "A320 Load Manager"

# Fuel Planner for the A320 with a payload of 57237 kg.
click "$menu" 7 104 305 42
selector=$(wait_window "Aircraft Selector")
click "$selector" 7 105 140 46
click "$selector" 7 256 140 14
planner=$(wait_window "Fuel Planner")
click "$planner" 92 127 40 14 # Zero Fuel Weight
type_text 57237
click "$planner" 92 73 40 14
type_text 650
click "$planner" 92 91 40 14
type_text 35000
click "$planner" 133 198 73 14 # Validate
sleep 0.5
shot "$planner" fuel-planner
# A heavier aircraft on a long flight: above its MTOW, the line warns.
click "$planner" 92 127 40 14 # Zero Fuel Weight
keys "$planner" Home shift+End
type_text 61000
click "$planner" 92 73 40 14 # Flying Distance
keys "$planner" Home shift+End
type_text 2100
click "$planner" 133 198 73 14 # Validate
sleep 0.5
shot "$planner" fuel-planner-above-mtow
# From the flight plan: fetched by user name, then validated.
click "$planner" 259 198 73 14 # From flight plan...
plan=$(wait_window "Flight Plan")
shot "$plan" flight-plan
click "$plan" 15 56 150 14
keys "$plan" Home shift+End
type_text pilot
click "$plan" 173 56 72 14 # Fetch
wait_closed "Flight Plan"
click "$planner" 133 198 73 14 # Validate
sleep 0.5
shot "$planner" fuel-planner-from-plan
keys "$planner" Escape
wait_closed "Fuel Planner"

# Aircraft Configuration, with the options as a new Prefs.cfg gives them.
click "$menu" 7 7 305 42
configuration=$(wait_window "Configuration")
shot "$configuration" configuration
keys "$configuration" Escape
wait_closed "Configuration"

# Key Assignments: a command's binding, then a new key being captured.
click "$menu" 7 153 305 42
keyconfig=$(wait_window "Key Assignments")
click "$keyconfig" 7 7 205 12 # the command list
keys "$keyconfig" --repeat 44 Down
keys "$keyconfig" Return
sleep 0.3
shot "$keyconfig" key-assignments
click "$keyconfig" 64 69 91 14 # Change Assignment
assigner=$(wait_window "Key Assignment")
keys "$assigner" ctrl+shift+F7
shot "$assigner" key-assignment-capture
keys "$assigner" Escape
wait_closed "Key Assignment"
keys "$keyconfig" Escape
wait_closed "Key Assignments"

# The window menu's own entries, then the About text. The picture is the
# top left corner of the screen, where the menu opens over the main menu.
keys "$menu" alt+space
sleep 0.6
import -window root -crop $((330 * dpi / 96))x$((275 * dpi / 96))+0+0 "$out/window-menu.png"
echo "screenshots: $out/window-menu.png"
keys "$menu" Escape
sleep 0.3
xdotool windowfocus --sync "$menu"
xdotool key alt+space Up Up Return # above Restore original files...
about=$(wait_window "About Corvel Config")
shot "$about" about
keys "$about" Escape
wait_closed "About Corvel Config"
# The main menu, back from About: under Xvfb without a window manager Wine
# draws its title bar active only once a dialog it owned has closed, and
# not after focus is given to it from outside, so no shot() here.
sleep 0.5
import -window "$menu" "$out/main-menu.png"
echo "screenshots: $out/main-menu.png"

# Restore Original Files, from the main menu's window menu: the Load
# Manager's save above kept both A321 files' originals.
keys "$menu" alt+space
xdotool key Up Return # the last entry
restore=$(wait_window "Restore Original Files")
xdotool key --delay 15 Down Down space # tick A321 IAE
sleep 0.3
shot "$restore" restore-originals
xdotool key Escape
wait_closed "Restore Original Files"

keys "$menu" Escape
wait "$program_pid" || true
wineserver -w
