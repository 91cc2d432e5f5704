# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop tests share, sourced once they have set $work: every program whose pid they add
# to $pids ends with the test; fail says why, prints the logs in $work (and where the screenshots
# are, when $shots names them) and ends the test; wait_until polls.
pids=""
# stop PID: ends one program and waits for it; one still there after 10 seconds is killed, so a
# test never hangs. The watchdog writes nowhere, so the test's output ends when the test does.
stop() {
    kill "$1" 2>/dev/null
    (sleep 10 && kill -9 "$1") >/dev/null 2>&1 &
    watchdog=$!
    wait "$1" 2>/dev/null
    kill $watchdog 2>/dev/null
}
cleanup() {
    for pid in $pids; do stop "$pid"; done
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
