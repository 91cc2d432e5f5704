#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants each one-line fault of faults.txt in turn, builds, runs the suite (without the long
# lives) and reverts, then prints which faults the suite caught. A fault the suite misses is a
# test we lack.
#   tests/mutants/run.sh [BUILD_DIR] [NUMBER...]
# BUILD_DIR defaults to build-mutants (configured on first use); NUMBERs pick faults by line.
# The suite is what ctest -LE long runs, taken in its quickest order: the gtest binaries run whole
# (one process each, stopping at the first failure) before the program-level tests, because
# ctest's one process per gtest case costs more than the tests themselves on a busy machine.
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build-mutants}
[ $# -gt 0 ] && shift
faults="$top/tests/mutants/faults.txt"
[ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIPLING_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null || { echo "the unchanged tree does not build"; exit 2; }

suite() {
    export QT_QPA_PLATFORM=offscreen
    for binary in pipling_tests pipling_desktop_tests; do
        [ -x "$build/tests/$binary" ] || continue
        "$build/tests/$binary" --gtest_filter=-Lives/* --gtest_fail_fast >/dev/null 2>&1 || return 1
    done
    # Everything ctest runs that is not a case of those binaries.
    (cd "$build" && ctest -LE long --stop-on-failure -E '^[A-Za-z_0-9]+/[A-Za-z_0-9/.]+$|^[A-Za-z]+\.[A-Za-z_0-9/]+$' \
        >/dev/null 2>&1)
}

caught=0 missed=0 number=0
while IFS='|' read -r file from to what; do
    number=$((number + 1))
    case "$file" in '#'* | '') continue ;; esac
    if [ $# -gt 0 ] && ! echo " $* " | grep -q " $number "; then continue; fi
    cp "$top/$file" "$build/planted.orig"
    if ! python3 "$top/tests/mutants/plant.py" "$top/$file" "$from" "$to"; then
        echo "$number: cannot plant in $file: $what"; exit 2
    fi
    if ! cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1; then
        result="caught (does not build)"
    elif suite; then
        result="MISSED"
    else
        result="caught"
    fi
    # Put the file back as it was; a fresh time stamp makes the next build recompile it.
    cp "$build/planted.orig" "$top/$file"
    case "$result" in MISSED) missed=$((missed + 1)) ;; *) caught=$((caught + 1)) ;; esac
    printf '%2d  %-8s %s: %s\n' "$number" "$result" "$file" "$what"
done <"$faults"
cmake --build "$build" -j"$(nproc)" >/dev/null
echo "caught $caught, missed $missed"
