# Sourced by the scripts that drive the program's windows under Xvfb.
#
# wait_window TITLE: prints the newest visible window with exactly this title,
# waiting up to 20 s for it, then $window_settle seconds more (0 unless set)
# for it to paint; calls the sourcing script's fail when none appears.
wait_window() {
    local id=
    for _ in $(seq 80); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n1 || true)
        [ -n "$id" ] && break
        sleep 0.25
    done
    [ -n "$id" ] || fail "no window \"$1\""
    sleep "${window_settle:-0}"
    echo "$id"
}
