#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The toy and the notification area on a real X server (Xvfb, openbox, trayer), as a new user
# meets them: a tray that starts after the toy still gets the toy's icon, and hiding the toy
# (Escape) and a double-click on that icon bring it and take it back; where no tray runs, hiding
# minimises the toy, and the window manager brings it back. Every server, window manager and
# tray is started and ended here. Every wait polls with a deadline; none sleeps a fixed time.
# Exit status 77: a tool is missing, the test is skipped.
set -u
program=$1
work=$2
for tool in Xvfb openbox trayer xdotool xwininfo xprop; do
    command -v $tool >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work/config/Pipling Simulator"
export HOME="$work" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
# Two hatched pets that live on the desktop, with sound off.
for pet in Tray Lone; do
    printf '[%s]\nInsulatingSheet=0\nCharacterNo=2\nMaxMinutes=480\nFormVisible=True\nSound=False\n\n' \
        "$pet" >>"$work/config/Pipling Simulator/settings.ini"
done

. "$(dirname "$0")/desktop_test.sh"

# A display of its own: the one given in PIPLING_TEST_DISPLAY, else the first free one. It must not
# reset when its last client leaves: between the probe below and openbox it would refuse connections.
if [ -n "${PIPLING_TEST_DISPLAY:-}" ]; then
    Xvfb "$PIPLING_TEST_DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids="$pids $!"
    export DISPLAY="$PIPLING_TEST_DISPLAY"
else
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids="$pids $!"
    wait_until "Xvfb has chosen a display" test -s "$work/display"
    export DISPLAY=":$(cat "$work/display")"
fi
wait_until "the X server answers" xprop -root >/dev/null 2>&1
openbox >"$work/openbox.log" 2>&1 &
pids="$pids $!"
wait_until "the window manager runs" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

# toy NAME: the id of the toy's window (titled with the pet's name), mapped or not.
toy() { xdotool search --name "^$1\$" 2>/dev/null | head -n 1; }
mapped() { xwininfo -id "$1" | grep -q "Map State: IsViewable"; }
unmapped() { xwininfo -id "$1" | grep -q "Map State: IsUnMapped"; }
iconic() { xprop -id "$1" WM_STATE | grep -q "window state: Iconic"; }
# The icon in the tray: a small shown window of the program that is not the toy (Qt's tray icon,
# which trayer embeds only once it runs).
tray_icon_window() {
    for id in $(xdotool search --classname pipling 2>/dev/null); do
        [ "$id" = "$window" ] && continue
        info=$(xwininfo -id "$id") || continue
        echo "$info" | grep -q "Map State: IsViewable" || continue
        [ "$(echo "$info" | awk '/Width:/ {print $2}')" -le 64 ] || continue
        echo "$id"
        return 0
    done
    return 1
}
tray_icon() { tray_icon_window >/dev/null; }
icon_point() {
    info=$(xwininfo -id "$(tray_icon_window)")
    x=$(echo "$info" | awk '/Absolute upper-left X/ {print $4}')
    y=$(echo "$info" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(echo "$info" | awk '/Width:/ {print $2}')
    h=$(echo "$info" | awk '/Height:/ {print $2}')
    echo "$((x + w / 2)) $((y + h / 2))"
}
press_escape() {
    # xdotool's --sync waits without end for a window that never takes focus; a bounded wait fails.
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || timeout 5 xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers Escape
}

# 1. The toy starts before any tray; then the tray starts, and the toy's icon must come.
"$program" "Tray" >"$work/tray-pet.log" 2>&1 &
trayPet=$!
pids="$pids $trayPet"
wait_until "the toy is shown" sh -c "xdotool search --onlyvisible --name '^Tray\$' >/dev/null 2>&1"
window=$(toy Tray)
trayer --edge bottom --align right --widthtype request --height 24 >"$work/trayer.log" 2>&1 &
trayerPid=$!
pids="$pids $trayerPid"
wait_until "the tray that started after the toy shows its icon" tray_icon

# Hiding puts the toy away into the tray (unmapped, not minimised); the icon brings it back.
press_escape "$window"
wait_until "Escape has hidden the toy" unmapped "$window"
iconic "$window" && fail "the toy was minimised although a tray holds its icon"
set -- $(icon_point)
xdotool mousemove "$1" "$2" click --repeat 2 --delay 60 1
wait_until "a double-click on the icon has brought the toy back" mapped "$window"
xdotool mousemove "$1" "$2" click --repeat 2 --delay 60 1
wait_until "a second double-click has hidden the toy again" unmapped "$window"
xdotool mousemove "$1" "$2" click --repeat 2 --delay 60 1
wait_until "a third double-click has brought the toy back" mapped "$window"
kill -0 $trayPet 2>/dev/null || fail "the toy ended"
stop $trayPet

# 2. No tray at all: hiding minimises the toy, which the window manager can bring back.
stop $trayerPid
wait_until "the tray is gone" sh -c '! xdotool search --class trayer >/dev/null 2>&1'
"$program" "Lone" >"$work/lone-pet.log" 2>&1 &
lonePet=$!
pids="$pids $lonePet"
wait_until "the toy without a tray is shown" sh -c "xdotool search --onlyvisible --name '^Lone\$' >/dev/null 2>&1"
window=$(toy Lone)
press_escape "$window"
wait_until "Escape without a tray has minimised the toy" iconic "$window"
xdotool windowactivate "$window" >/dev/null 2>&1
wait_until "the minimised toy has come back" mapped "$window"
kill -0 $lonePet 2>/dev/null || fail "the toy without a tray ended"
echo "ok"
exit 0
