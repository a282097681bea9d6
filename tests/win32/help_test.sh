#!/usr/bin/env bash
# Help opens the user guide as a user asks for it, under Wine: F1 in the
# main menu and "Help" in its window menu hand docs\user-guide.html beside
# the program to the prefix's handler of .html files, winebrowser, whose
# browser is a recording script here; without the guide, an error message
# and no browser.
#
#   help_test.sh <CorvelConfig.exe>
set -euo pipefail

program=$(realpath "${1:?usage: help_test.sh <CorvelConfig.exe>}")
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(dirname "$program")/help-test
rm -rf "$work"
mkdir -p "$work"
cp -r "$repo/demo" "$work/sim"
folder=$work/sim/Norvane/Corvel
cp "$program" "$folder/"
mkdir -p "$folder/docs"
echo '<html><body>guide</body></html>' >"$folder/docs/user-guide.html"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The browser: records what it was asked to open, one line a call.
opened=$work/opened.txt
cat >"$work/browser.sh" <<EOF
#!/bin/sh
echo "\$*" >>"$opened"
EOF
chmod +x "$work/browser.sh"

export WINEDEBUG=-all
unset DISPLAY
source "$repo/scripts/xvfb-session"
wine() { "$repo/scripts/wine-run" "$@"; }
browser_key='HKCU\Software\Wine\WineBrowser'
# A prefix made with Wine's HTML engine hands .html files to winebrowser
# (htmlfile); the test prefixes are made without it, so .html is given that
# handler here for the test's time.
html_key='HKCR\.html'
wine reg add "$browser_key" /v Browsers /t REG_SZ /d "$work/browser.sh" /f >/dev/null
html_key_added=
if ! wine reg query "$html_key" >/dev/null 2>&1; then
    wine reg add "$html_key" /ve /t REG_SZ /d htmlfile /f >/dev/null
    html_key_added=1
fi

(cd "$folder" && wine CorvelConfig.exe) &
starter=$!
# The program is this test's own copy: on failure it is ended by its id.
cleanup() {
    local pid
    # Wine keeps a process's Unix working folder on its Windows one.
    for pid in $(pgrep -x CorvelConfig.exe || true); do
        [ "$(readlink -f "/proc/$pid/cwd" 2>/dev/null)" != "$(readlink -f "$folder")" ] ||
            kill "$pid" 2>/dev/null || true
    done
    wine reg delete "$browser_key" /v Browsers /f >/dev/null 2>&1 || true
    [ -z "$html_key_added" ] || wine reg delete "$html_key" /f >/dev/null 2>&1 || true
    # What xvfb-session's own exit trap does.
    WINEPREFIX=${WINEPREFIX:-$_xvfb_prefix} wineserver -w 2>/dev/null || true
    kill "$_xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

source "$repo/tests/win32/support/wait_window.sh"

# Waits until the browser has been called $1 times in all.
wait_calls() {
    for _ in $(seq 60); do
        [ "$(cat "$opened" 2>/dev/null | wc -l)" -ge "$1" ] && return 0
        sleep 0.25
    done
    fail "the browser was called $(cat "$opened" 2>/dev/null | wc -l) times, not $1"
}

# The last call names the guide beside the program (as a path or a file URL).
check_last_call() {
    local call
    call=$(tail -n1 "$opened")
    [[ $call == *"$folder/docs/user-guide.html"* ]] ||
        fail "$1 opened \"$call\", not $folder/docs/user-guide.html"
}

menu=$(wait_window "FSX Corvel Config")
xdotool windowfocus --sync "$menu" key F1
wait_calls 1
check_last_call F1

# The window menu's entries from the bottom: Restore original files...,
# About Corvel Config..., Help.
xdotool windowfocus --sync "$menu" key alt+space
sleep 0.5
xdotool key --delay 100 Up Up Up Return
wait_calls 2
check_last_call "Help in the window menu"

rm "$folder/docs/user-guide.html"
xdotool windowfocus --sync "$menu" key F1
error=$(wait_window ERROR)
xdotool windowfocus --sync "$error" key Return
sleep 1
[ "$(wc -l <"$opened")" -eq 2 ] || fail "the browser was called for a missing guide"

xdotool windowfocus --sync "$menu" key Escape
wait "$starter" || true
echo "help: all checks passed"
