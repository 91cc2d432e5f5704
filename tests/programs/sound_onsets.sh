#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every sound the toy asks for is heard. Starts a private PulseAudio with a null sink, records the
# sink's monitor, and drives the real program on a virtual X display: a pet that starts in a new
# call (its attention sound every 70 ms for the call's first seconds, each one cutting off the
# last), then six presses of button A 1.5 s apart. The recording's onsets must show every pip of
# the call and every press. Then the server is stopped with SIGSTOP: the toy must keep answering
# on its event loop while it asks for sounds; and once the server is gone, it must keep running.
# The server logs every sound it was asked to play, so the count heard is checked against the
# count asked for, and the call's length against the clock it follows.
#   sound_onsets.sh PIPLING PIPLING_SIM WORK
# Skips (status 77) where PulseAudio, its tools, Xvfb or xdotool are missing.
set -u
program=$1
sim=$2
work=$3
for tool in pulseaudio pactl parec Xvfb xdotool od; do
    command -v $tool >/dev/null || { echo "SKIPPED: sound_onsets needs $tool"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work/run" "$work/home"
chmod 700 "$work/run"
server= xvfb= toy= recorder=
cleanup() {
    [ -n "$server" ] && kill -CONT "$server" 2>/dev/null
    for pid in $toy $recorder $server $xvfb; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }
now_ms() { date +%s%3N; }

# A sound server of our own, as any user (root too: it warns and runs), never the session's.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
export PULSE_SERVER="unix:$work/run/native" PULSE_COOKIE="$work/home/cookie"
unset DBUS_SESSION_BUS_ADDRESS
pulseaudio -n --log-level=debug --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$work/pulse.log" \
    -L "module-null-sink sink_name=heard rate=22050 channels=1" \
    -L "module-native-protocol-unix socket=$work/run/native auth-anonymous=1" &
server=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
pactl info >/dev/null 2>&1 || fail "the sound server did not start: $(cat "$work/pulse.log")"

# A display of our own.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

# A hatched pet whose call has just begun.
folder="$XDG_CONFIG_HOME/Pipling Simulator"
mkdir -p "$folder"
printf 'store InsulatingSheet 0\nstore CharacterNo 0\nrnd 0.5\nstart\nwait 70\nquit\n' |
    "$sim" --store "$folder/settings.ini" >"$work/prepare.out" || fail "could not prepare the pet"
sed -i 's/^AttendTimeLeft=.*/AttendTimeLeft=120/' "$folder/settings.ini"

# The monitor as 16-bit mono samples at the files' own rate, with little latency so that the
# sink mixes each sound in as it comes.
parec --device=heard.monitor --format=s16le --rate=22050 --channels=1 --latency-msec=10 \
    --raw "$work/heard.raw" &
recorder=$!
# The recording holds nothing until the recorder is really running, which a loaded machine may
# take a second or more to reach: a probe sound is played until it shows up, and the analysis
# starts after it.
pactl upload-sample "$(dirname "$program")/sounds/beep.wav" probe || fail "could not upload the probe"
for _ in $(seq 100); do
    [ -s "$work/heard.raw" ] && break
    pactl play-sample probe heard
    sleep 0.1
done
[ -s "$work/heard.raw" ] || fail "the recorder recorded nothing"
sleep 0.5
skip=$(stat -c %s "$work/heard.raw")
skip=$((skip - skip % 2))
"$program" >"$work/toy.out" 2>&1 &
toy=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid $toy 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || fail "the toy showed no window: $(cat "$work/toy.out")"
# The call's sounds last the call's first five counted seconds; the presses come after them.
sleep 6.5
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
for press in 1 2 3 4 5 6; do
    xdotool keydown Left sleep 0.1 keyup Left
    [ $press -lt 6 ] && sleep 1.4
done
sleep 1
kill -0 $toy 2>/dev/null || fail "the toy ended: $(cat "$work/toy.out")"
kill $recorder
wait $recorder 2>/dev/null
recorder=

# Onsets: in 2 ms frames, a frame louder than a tenth of full scale after 8 ms of quiet, in
# milliseconds from the recording's start.
tail -c +$((skip + 1)) "$work/heard.raw" | od -An -v -td2 -w88 | awk '
    { peak = 0; for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; if (v > peak) peak = v } }
    peak > 3200 && quiet >= 4 { printf "%d\n", NR * 2 }
    { quiet = peak < 800 ? quiet + 1 : 0 }' >"$work/onsets"
# The call's onsets run together; the first pause of over half a second ends them.
awk 'NR > 1 && $1 - last > 500 { after = 1 } { print > (after ? "'"$work/presses"'" : "'"$work/call"'"); last = $1 }' \
    "$work/onsets"
touch "$work/call" "$work/presses"
call=$(grep -c . "$work/call")
pressed=$(grep -c . "$work/presses")
# The longest pause inside the call and the call's length: a pip that was not heard leaves a
# pause of twice its period.
# A busy machine may hold the toy's tick up once or twice; the second longest pause must still be
# one period.
read -r longest second span <<EOF2
$(awk 'NR > 1 { d = $1 - last; if (d > gap) { next_gap = gap; gap = d } else if (d > next_gap) next_gap = d }
    NR == 1 { first = $1 } { last = $1 } END { printf "%d %d %d\n", gap, next_gap, last - first }' "$work/call")
EOF2
requested=$(grep -c 'Playing sample "pipling-simulator-attend' "$work/pulse.log")
beeps=$(grep -c 'Playing sample "pipling-simulator-beep' "$work/pulse.log")
echo "call: $call onsets of $requested asked for, over ${span} ms, longest pauses ${longest} and ${second} ms; presses: $pressed onsets of $beeps asked for"

# While the server is stopped, the toy still answers a second program for the same pet at once,
# however many sounds it asks for meanwhile.
kill -STOP $server
for press in 1 2 3 4 5 6 7 8 9 10; do xdotool keydown Left sleep 0.05 keyup Left sleep 0.1; done
asked=$(now_ms)
timeout 10 "$program" >"$work/second.out" 2>&1
answered=$(($(now_ms) - asked))
grep -q front "$work/second.out" || fail "with the server stopped, the toy did not answer ($answered ms): $(cat "$work/second.out")"
echo "stopped server: the toy answered in $answered ms"
# Gone for good: the toy keeps running, silent.
kill -KILL $server
wait $server 2>/dev/null
server=
for press in 1 2 3; do xdotool keydown Left sleep 0.05 keyup Left sleep 0.3; done
timeout 10 "$program" >"$work/second.out" 2>&1
grep -q front "$work/second.out" || fail "with the server gone, the toy did not answer: $(cat "$work/second.out")"
kill -0 $toy 2>/dev/null || fail "the toy ended with the server gone: $(cat "$work/toy.out")"

# Seconds are counted as the clock's second changes, so the call sounds for what is left of the
# clock's second it began in and four whole seconds more: 4 to 5 s, 57 to 71 pips. Each pip asked
# for must be heard. The recorder is the limit here: its 10 ms blocks (needed, or the sink mixes so
# far ahead that the pips run together) now and then lose one, a sound the server logged as
# played; that happens once or twice a run at most, a lost sound path loses many.
[ "$call" -ge $((requested - 2)) ] && [ "$call" -le "$requested" ] || fail "$requested sounds asked for, $call heard"
[ "$requested" -ge 56 ] && [ "$requested" -le 72 ] || fail "the call asked for $requested sounds, not 57 to 71"
[ "$second" -le 150 ] || fail "pips of the call were not heard: pauses of $longest and $second ms"
[ "$span" -ge 3850 ] && [ "$span" -le 5050 ] || fail "the call's pips lasted $span ms, not 4 to 5 s"
# Every press must reach the server; of the six, the recorder may lose one or two as above.
[ "$beeps" -eq 6 ] || fail "six presses asked the server for $beeps sounds"
[ "$pressed" -ge 4 ] && [ "$pressed" -le 6 ] || fail "six presses made $pressed sounds heard"
exit 0
