#!/bin/sh
# Starts the desktop program on Qt's offscreen platform with its own settings folder, checks that
# it keeps running, that a second program for the same pet refuses to start, and that a program
# for another pet does start.
set -u
program=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
"$program" "Smoke Pet" >"$work/first.out" 2>&1 &
first=$!
sleep 2
if ! kill -0 $first 2>/dev/null; then
    echo "pipling ended early:"; cat "$work/first.out"; exit 1
fi
"$program" "Smoke Pet" >"$work/second.out" 2>"$work/second.err"
status=$?
if [ $status -eq 0 ] || [ "$(wc -l <"$work/second.err")" -ne 1 ]; then
    echo "a second program for the same pet did not refuse (status $status):"; cat "$work/second.err"
    kill $first; exit 1
fi
"$program" "Other Pet" >"$work/other.out" 2>&1 &
other=$!
sleep 1
if ! kill -0 $other 2>/dev/null; then
    echo "a program for another pet did not start:"; cat "$work/other.out"; kill $first; exit 1
fi
kill $first $other
wait 2>/dev/null
# A killed program leaves no lock behind.
"$program" "Smoke Pet" >"$work/third.out" 2>&1 &
third=$!
sleep 1
if ! kill -0 $third 2>/dev/null; then
    echo "a killed program's lock blocked the next start:"; cat "$work/third.out"; exit 1
fi
kill $third
exit 0
