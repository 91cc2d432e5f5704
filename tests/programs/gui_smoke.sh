#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the desktop program on Qt's offscreen platform with its own settings folder, checks that
# it starts and keeps running, that a second program for the same pet asks the first to the front
# and ends, that a program for another pet does start, and that a killed program leaves no lock
# behind; the locks are looked for in the session's runtime folder. Every wait polls for what it
# waits for, with a deadline; none sleeps a fixed time.
set -u
program=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
# The session's runtime folder holds the locks, away from the settings.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
folder="$XDG_CONFIG_HOME/Pipling Simulator"

# started PID PET: the program PID is alive, holds its pet's lock and has stored the pet. The lock
# is looked up in /proc/locks: trying it with flock would take it for a moment, and a program
# starting in that moment would find its pet already running.
started() {
    kill -0 "$1" 2>/dev/null || { echo "pipling for \"$2\" ended early:"; cat "$work/$2.out"; exit 1; }
    for lock in "$XDG_RUNTIME_DIR/pipling-simulator/"*/*"$(echo "$2" | cut -c1-4)"*.lock; do
        [ -f "$lock" ] && grep -q " $1 [0-9a-f]*:[0-9a-f]*:$(stat -c %i "$lock") " /proc/locks &&
            grep -q "$(echo "$2" | cut -c1-4)" "$folder/settings.ini" 2>/dev/null && return 0
    done
    return 1
}
# wait_until WHAT COMMAND...: polls COMMAND every tenth of a second; fails after 30 seconds.
wait_until() {
    what=$1
    shift
    deadline=$(($(date +%s) + 30))
    until "$@"; do
        if [ "$(date +%s)" -ge $deadline ]; then
            echo "timed out waiting until $what"; kill $(jobs -p) 2>/dev/null; exit 1
        fi
        sleep 0.1
    done
}
running() { kill -0 "$1" 2>/dev/null || { echo "pipling ended while it should run:"; cat "$work/$2.out"; exit 1; }; }

"$program" "Smoke Pet" >"$work/Smoke Pet.out" 2>&1 &
first=$!
wait_until "the first program has started" started $first "Smoke Pet"
"$program" "Smoke Pet" >"$work/second.out" 2>"$work/second.err"
status=$?
if [ $status -ne 0 ] || [ "$(wc -l <"$work/second.err")" -ne 1 ] || ! grep -q "front" "$work/second.err"; then
    echo "a second program for the same pet did not hand over to the first (status $status):"; cat "$work/second.err"
    kill $first; exit 1
fi
"$program" "Other Pet" >"$work/Other Pet.out" 2>&1 &
other=$!
wait_until "a program for another pet has started" started $other "Other Pet"
running $first "Smoke Pet"
kill $first $other
wait
# A killed program leaves no lock behind.
"$program" "Smoke Pet" >"$work/Smoke Pet.out" 2>&1 &
third=$!
wait_until "a program has started after a killed one" started $third "Smoke Pet"
kill $third
wait
exit 0
