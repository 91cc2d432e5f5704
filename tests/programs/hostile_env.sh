#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the desktop program in environments that go wrong: each must end with one clear line on
# stderr and a defined status, or run and save its pet, never crash or hang. Every wait polls with
# a deadline.
set -u
program=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# refuses WHAT STATUS PATTERN COMMAND...: COMMAND ends within 20 s with STATUS and one stderr line
# matching PATTERN.
refuses() {
    what=$1 want=$2 pattern=$3
    shift 3
    timeout -s KILL 20 "$@" >"$work/out" 2>"$work/err"
    status=$?
    lines=$(grep -c . "$work/err")
    if [ $status -ne "$want" ] || [ "$lines" -ne 1 ] || ! grep -q "$pattern" "$work/err"; then
        fail "$what: status $status (wanted $want), stderr:"; cat "$work/err"
    else
        echo "ok: $what: $(cat "$work/err")"
    fi
}

# lives WHAT NAME ENV...: the program starts for pet NAME, keeps running, and saves the pet when
# the session ends it with SIGTERM.
lives() {
    what=$1 name=$2
    shift 2
    config="$work/lives"
    rm -rf "$config"
    env "$@" XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen "$program" "$name" >"$work/out" 2>"$work/err" &
    pid=$!
    deadline=$(($(date +%s) + 20))
    until grep -q "MinuteCount" "$config/Pipling Simulator/settings.ini" 2>/dev/null; do
        if ! kill -0 $pid 2>/dev/null || [ "$(date +%s)" -ge $deadline ]; then
            fail "$what: did not start:"; cat "$work/err"; kill -KILL $pid 2>/dev/null; return
        fi
        sleep 0.1
    done
    before=$(stat -c %Y.%s "$config/Pipling Simulator/settings.ini")
    sleep 1.1 # the file's time must be able to change
    kill -TERM $pid
    wait $pid
    status=$?
    after=$(stat -c %Y.%s "$config/Pipling Simulator/settings.ini")
    if [ $status -ne 0 ] || [ "$before" = "$after" ]; then
        fail "$what: status $status after SIGTERM, store saved: $([ "$before" = "$after" ] && echo no || echo yes)"
    else
        echo "ok: $what: ran, and SIGTERM saved the pet"
    fi
}

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
refuses "no HOME and no XDG_CONFIG_HOME" 1 "HOME" env -u HOME -u XDG_CONFIG_HOME "$program"
mkdir -p "$work/fileconfig" && echo x >"$work/fileconfig/Pipling Simulator"
refuses "a config folder that is a file" 1 "settings folder" env XDG_CONFIG_HOME="$work/fileconfig" "$program"
# Also where the pet's lock lives in the session's runtime folder, away from the settings.
mkdir -p -m 700 "$work/runtime"
refuses "a config folder that is a file, with a runtime folder" 1 "settings folder" \
    env XDG_CONFIG_HOME="$work/fileconfig" XDG_RUNTIME_DIR="$work/runtime" "$program"
refuses "no display" 1 "no display" env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$program"
refuses "a display that is not there" 1 "display \":79\" cannot be reached" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:79 "$program"
refuses "an unknown option" 2 "unknown option" "$program" --frobnicate
# A program folder without its Default skin: a copy of the program beside a damaged folder.
mkdir -p "$work/copy"
cp "$program" "$work/copy/"
cp -r "$(dirname "$program")"/* "$work/copy/" 2>/dev/null
rm -f "$work/copy/skins/Default/front.gif"
refuses "a program folder without the Default skin" 1 "Default" "$work/copy/$(basename "$program")"

# A Wayland session without Qt's Wayland plug-in: the copy's qt.conf gives Qt a plug-in folder
# with the X plug-in only, so the display looks unreachable to Qt; the user is told the package.
qtplatforms=$(find /usr/lib/*/qt6/plugins/platforms -name 'libqxcb.so' 2>/dev/null | head -n 1)
if [ -n "$qtplatforms" ]; then
    mkdir -p "$work/nowayland/plugins/platforms"
    cp "$program" "$work/nowayland/"
    cp -r "$(dirname "$program")"/* "$work/nowayland/" 2>/dev/null
    ln -sf "$qtplatforms" "$work/nowayland/plugins/platforms/"
    printf '[Paths]\nPlugins = %s\n' "$work/nowayland/plugins" >"$work/nowayland/qt.conf"
    refuses "a Wayland session without Qt's Wayland plug-in" 1 "qt6-wayland" \
        env -u QT_QPA_PLATFORM -u DISPLAY -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH \
        WAYLAND_DISPLAY=wayland-79 "$work/nowayland/$(basename "$program")"
else
    echo "skipped: a Wayland session without Qt's Wayland plug-in (no libqxcb.so found)"
fi

lives "a pet name of 10,000 characters" "$(head -c 10000 /dev/zero | tr '\0' 'x')"
lives "a pet name with control characters" "$(printf 'tab\there\033[31mred')"
lives "no sound device" "Quiet" PULSE_SERVER=unix:/nonexistent ALSA_CONFIG_PATH=/nonexistent
exit $failed
