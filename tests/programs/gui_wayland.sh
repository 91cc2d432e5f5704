#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A new toy on weston, the Wayland compositor that places every window itself, as a new user
# meets it: the insulating sheet must sit behind the toy's right edge, with its tab showing,
# natively and through XWayland, and pulling the tab out with the mouse must switch the toy on.
#  1. weston's headless back-end (the compositor draws into memory; its screenshooter reads it):
#     the toy as a native Wayland client.
#  2. weston's X11 back-end in an Xvfb of its own, so that xdotool's mouse reaches the compositor:
#     the toy on Wayland and then as an X program through weston's XWayland, each time its tab
#     dragged out, then the toy running with no sheet left beside it, its window the toy's own
#     size again (seen from the X server, through XWayland).
# Screenshots are compared with the toy as pipling-sim renders it and with the sheet's picture
# (pipling_sheet_check). Every server is started and ended here. Every wait polls with a
# deadline; none sleeps a fixed time. Exit status 77: weston is not installed, the test is skipped.
set -u
program=$1
sim=$2
check=$3
work=$4
command -v weston >/dev/null 2>&1 || { echo "skipped: weston is not installed"; exit 77; }
for tool in Xwayland weston-screenshooter Xvfb xdotool xprop import; do
    command -v $tool >/dev/null 2>&1 || { echo "FAILED: $tool is missing (scripts/setup installs it)"; exit 1; }
done
bin=$(dirname "$program")
rm -rf "$work"
mkdir -p "$work/shots"
export HOME="$work" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY DBUS_SESSION_BUS_ADDRESS
# XWayland's socket goes where every X server's goes.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null

shots=$work/shots
. "$(dirname "$0")/desktop_test.sh"

# The new toy, switched off, as it must show on the desktop, and the sheet's picture.
printf 'start\nrender %s\n' "$work/toy.png" | "$sim" --app-dir "$bin" --store "$work/sim.ini" >/dev/null ||
    fail "pipling-sim did not render the toy"
sheet="$bin/other/inssheet.gif"
toyWidth=$("$check" width "$work/toy.png")

# weston NAME BACKEND OPTIONS...: starts weston on the Wayland socket NAME.
weston_on() {
    name=$1
    shift
    weston --socket="$name" --no-config --use-pixman --width=800 --height=600 "$@" >"$work/$name.log" 2>&1 &
    pids="$pids $!"
    wait_until "weston $name listens" test -S "$XDG_RUNTIME_DIR/$name"
}
# fresh_toy NAME ENV...: starts the toy for a new user (settings of its own) with ENV set.
fresh_toy() {
    name=$1
    shift
    rm -rf "$work/config-$name"
    env XDG_CONFIG_HOME="$work/config-$name" "$@" "$program" >"$work/toy-$name.log" 2>&1 &
    toyPid=$!
    pids="$pids $toyPid"
}
# Screenshots: the compositor's own (headless), or the X server's that weston draws into.
shoot_weston() {
    (cd "$work/shots" && rm -f wayland-screenshot-*.png &&
        WAYLAND_DISPLAY=$1 weston-screenshooter >/dev/null 2>&1 && mv wayland-screenshot-*.png "$2")
}
shoot_x() { DISPLAY=$1 import -window root "$2" 2>/dev/null; }
# beside FILE SHOOT...: a screenshot taken into FILE by SHOOT... shows the sheet behind the toy's edge.
beside() {
    file=$1
    shift
    "$@" "$file" || return 1
    "$check" beside "$file" "$work/toy.png" "$sheet" >"$work/check.log"
}

# 1. Headless: the compositor places the windows; the sheet must still be beside the toy.
weston_on pipling-headless --backend=headless-backend.so --debug
fresh_toy native WAYLAND_DISPLAY=pipling-headless QT_QPA_PLATFORM=wayland
wait_until "the sheet sits behind the native toy's edge" \
    beside "$work/shots/headless-native.png" shoot_weston pipling-headless
kill $toyPid

# 2. The X11 back-end, with a mouse: the tab pulled out to the right, natively and through XWayland.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids="$pids $!"
wait_until "Xvfb has chosen a display" test -s "$work/display"
xvfb=":$(cat "$work/display")"
wait_until "the X server answers" env DISPLAY="$xvfb" xprop -root >/dev/null 2>&1
DISPLAY=$xvfb weston --socket=pipling-x11 --no-config --use-pixman --width=800 --height=600 \
    --backend=x11-backend.so --xwayland >"$work/pipling-x11.log" 2>&1 &
pids="$pids $!"
wait_until "weston pipling-x11 listens" test -S "$XDG_RUNTIME_DIR/pipling-x11"
# pull NAME ENV...: a new toy started with ENV shows its sheet, whose tab is then pulled out to
# the right; the toy runs with no sheet left beside it, and is saved with the sheet put away.
pull() {
    name=$1
    shift
    # Off weston's window, so that its pointer is not drawn over the toy.
    DISPLAY=$xvfb xdotool mousemove 1020 760
    fresh_toy "$name" "$@"
    wait_until "the sheet sits behind the toy's edge ($name)" \
        beside "$work/shots/x11-$name-before.png" shoot_x "$xvfb"
    set -- $(grep '^toy' "$work/check.log") $(grep '^tab' "$work/check.log")
    toyX=$2 toyY=$3 tabX=$5 tabY=$6
    DISPLAY=$xvfb xdotool mousemove "$tabX" "$tabY" mousedown 1 sleep 0.1
    for step in 10 20 30 40 50 60 70 80 90; do
        DISPLAY=$xvfb xdotool mousemove $((tabX + step)) "$tabY" sleep 0.03
    done
    DISPLAY=$xvfb xdotool mouseup 1 mousemove 1020 760
    [ "$name" = xwayland ] && wait_until "the toy's window is the toy's size again" shrunk
    wait_until "the pulled toy runs with no sheet beside it ($name)" gone "$work/shots/x11-$name-after.png"
    # Ended as a logout ends it.
    kill $toyPid
    wait $toyPid 2>/dev/null
    grep -q '^InsulatingSheet=0$' "$work/config-$name/Pipling Simulator/settings.ini" ||
        fail "the toy was saved with the sheet still in ($name)"
}
# The toy's shown X windows are all as wide as the toy itself.
shrunk() {
    found=""
    for id in $(DISPLAY=$xdisplay xdotool search --onlyvisible --classname pipling 2>/dev/null); do
        width=$(DISPLAY=$xdisplay xwininfo -id "$id" | awk '/Width:/ {print $2}')
        [ "$width" = "$toyWidth" ] || return 1
        found=yes
    done
    [ -n "$found" ]
}
gone() {
    shoot_x "$xvfb" "$1" && "$check" gone "$1" "$work/toy.png" "$sheet" "$toyX" "$toyY" >"$work/check.log"
}
pull native WAYLAND_DISPLAY=pipling-x11 QT_QPA_PLATFORM=wayland
xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/pipling-x11.log" | head -n 1)
[ -n "$xdisplay" ] || fail "weston's XWayland has no display"
pull xwayland DISPLAY="$xdisplay" QT_QPA_PLATFORM=xcb
echo "ok"
exit 0
