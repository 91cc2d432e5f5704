# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop tests share, sourced once they have set $work: every program whose pid they add
# to $pids ends with the test; fail says why, prints the logs in $work (and where the screenshots
# are, when $shots names them) and ends the test; wait_until polls.
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null; done
    # A program that does not end on SIGTERM within 5 seconds is killed, so the test never hangs.
    for _ in $(seq 50); do
        alive=""
        for pid in $pids; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ -z "$alive" ] && break
        sleep 0.1
    done
    for pid in $pids; do kill -9 "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
# stop PID: ends one program and waits for it; one still there after 10 seconds is killed.
stop() {
    kill "$1" 2>/dev/null
    (sleep 10 && kill -9 "$1" 2>/dev/null) &
    watchdog=$!
    wait "$1" 2>/dev/null
    kill $watchdog 2>/dev/null
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    for log in "$work"/*.log; do echo "--- $log"; cat "$log"; done
    [ -n "${shots:-}" ] && echo "screenshots: $shots"
    exit 1
}
# wait_until WHAT COMMAND...: polls COMMAND every tenth of a second; fails after 10 seconds.
wait_until() {
    what=$1
    shift
    deadline=$(($(date +%s) + 10))
    until "$@"; do
        [ "$(date +%s)" -ge $deadline ] && fail "timed out waiting until $what"
        sleep 0.1
    done
}
