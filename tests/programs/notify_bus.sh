#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The toy's desktop notifications on a real session bus: a private dbus-daemon, the test's own
# notification server (tests/programs/NotifyServer.cpp) and the toy under an Xvfb of its own. A pet
# stored hidden with a hunger call running sends it at start; three seconds later the baby's
# minute raises the call again (the notification is replaced) and adds an unhappiness call; a
# click on that one brings the toy forward; a meal given with the keyboard answers the hunger
# call (withdrawn). Without a notification server, and without a
# bus, the toy runs as ever and says so at most once. Every wait polls, with a deadline.
set -u
program=$1
sim=$2
server=$3
work=$4
skip() { echo "notification bus test skipped: $1"; exit 77; }
for tool in dbus-daemon dbus-send Xvfb xdotool trayer; do
    command -v $tool >/dev/null 2>&1 || skip "$tool is missing (scripts/setup installs it)"
done
rm -rf "$work"
mkdir -p "$work"
pids=""
cleanup() { for pid in $pids; do kill "$pid" 2>/dev/null; done; }
trap cleanup EXIT
fail() { echo "FAIL: $1"; echo "--- server"; cat "$work/server.log" 2>/dev/null; echo "--- pipling"; cat "$work/pipling.log" 2>/dev/null; exit 1; }
# wait_until WHAT COMMAND...: polls COMMAND every tenth of a second; fails after 20 seconds.
wait_until() {
    what=$1
    shift
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ $tries -lt 200 ] || fail "timed out waiting until $what"
        sleep 0.1
    done
}
logged() { grep -q -- "$1" "$2"; }

# A display of its own: Xvfb picks a free number and writes it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids="$pids $!"
wait_until "Xvfb has started" test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"

# A tray to hide the toy in: without one a toy stored hidden starts shown.
trayer --edge bottom --align right --widthtype pixel --width 64 --height 24 >"$work/trayer.log" 2>&1 &
pids="$pids $!"
wait_until "the tray is up" xdotool search --name '^panel$' >/dev/null

# A private session bus that starts no services of its own accord.
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=4 >"$work/bus.address" 4>"$work/bus.pid" ||
    fail "dbus-daemon did not start"
pids="$pids $(cat "$work/bus.pid")"
export DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus.address")"
"$server" >"$work/server.log" 2>&1 &
server_pid=$!
pids="$pids $server_pid"
wait_until "the notification server is ready" logged ready "$work/server.log"

# The pet: a baby, hungry and unhappy, hidden in the tray, three seconds before its next minute.
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
store="$XDG_CONFIG_HOME/Pipling Simulator/settings.ini"
mkdir -p "$(dirname "$store")"
write_pet() {
    printf 'name %s\nstore InsulatingSheet 0\nstore CharacterNo 1\nstore FormVisible False\nstore Hunger 0\nstore Happiness 0\nstore AttentionHappy False\nstore AttentionHungry True\nstore AttendTimeLeft 100\nstore MinuteCount 1\nstore SecondCount 57\n' "$1" |
        "$sim" --store "$store" || fail "pipling-sim could not write the pet"
}
write_pet "Bus Pet"
"$program" "Bus Pet" >"$work/pipling.log" 2>&1 &
toy=$!
pids="$pids $toy"
alive() { kill -0 $toy 2>/dev/null || fail "pipling ended early"; }

wait_until "the running call has arrived" logged "notify id=1 replaces=0 app=Pipling Simulator summary=Bus Pet body=Hungry urgency=1 image=" "$work/server.log"
grep "notify id=1 " "$work/server.log" | grep -q "image=none\|image=bad" && fail "the notification came without the pet's picture"
grep -q "actions=default," "$work/server.log" || fail "the notification has no default action"
wait_until "the call raised again has replaced its notification" logged "notify id=1 replaces=1 .*body=Hungry" "$work/server.log"
wait_until "the unhappiness call has arrived" logged "notify id=2 replaces=0 .*body=Unhappy" "$work/server.log"
[ "$(grep -c '^notify' "$work/server.log")" -eq 3 ] || fail "other notifications than the three expected"
alive
xdotool search --onlyvisible --name '^Bus Pet$' >/dev/null 2>&1 && fail "the hidden toy is on the screen"

# The user clicks the unhappiness notification: the toy comes forward. The server closes the
# clicked notification itself, as servers do.
dbus-send --session --print-reply --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.pipling.TestServer.Click uint32:2 >/dev/null || fail "the server did not take the click"
shown() { xdotool search --onlyvisible --name '^Bus Pet$' >"$work/window" 2>/dev/null; }
wait_until "the clicked notification has brought the toy forward" shown

# A meal, given with the keyboard (A selects the feed icon, B opens the menu, B feeds), answers
# the hunger call: its notification is withdrawn.
window=$(head -n 1 "$work/window")
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
for key in Left Down Down; do
    xdotool keydown $key
    sleep 0.2
    xdotool keyup $key
    sleep 0.5
done
wait_until "the answered call's notification is withdrawn" logged "close id=1" "$work/server.log"
kill -TERM $toy
wait $toy || fail "pipling ended with a fault"
[ "$(grep -c '^close' "$work/server.log")" -eq 1 ] || fail "a notification was closed twice"

# Without a notification server the toy runs as ever and says so once at most.
kill $server_pid
wait $server_pid 2>/dev/null
for where in "no server" "no bus"; do
    [ "$where" = "no bus" ] && export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
    export XDG_CONFIG_HOME="$work/config $where"
    store="$XDG_CONFIG_HOME/Pipling Simulator/settings.ini"
    mkdir -p "$(dirname "$store")"
    write_pet "Quiet Pet"
    "$program" "Quiet Pet" >"$work/quiet.log" 2>"$work/quiet.err" &
    toy=$!
    pids="$pids $toy"
    # The minute comes three seconds after the start: two calls that find no server.
    wait_until "the quiet pet has lived its minute ($where)" grep -q 'MinuteCount=2' "$store"
    alive
    kill -TERM $toy
    wait $toy || fail "pipling ended with a fault ($where)"
    # Qt's own words on a missing runtime folder or sound server are not ours to count.
    ours=$(grep -c '^pipling:' "$work/quiet.err")
    [ "$ours" -le 1 ] || { cat "$work/quiet.err"; fail "more than one line printed ($where)"; }
    grep -v '^pipling: no desktop notifications' "$work/quiet.err" | grep -q '^pipling:' &&
        { cat "$work/quiet.err"; fail "something else went wrong ($where)"; }
    echo "$where: $(grep '^pipling:' "$work/quiet.err" || echo 'nothing printed')"
done
echo "notification bus test: arrived, replaced, clicked, withdrawn; quiet without a server and a bus"
exit 0
