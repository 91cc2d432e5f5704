#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop toy costs while a hatched pet idles: CPU, resident memory, wake-ups and the
# time from start to a visible window, measured beside an empty Qt window and, when installed,
# oneko, all in the same run on a virtual X display. Run by hand:
#   bench/desktop_idle.sh [BUILD_BIN_DIR] [SECONDS]
# BUILD_BIN_DIR defaults to build/bin beside this script's repository; SECONDS to 30.
# Environment: BENCH_DISPLAY (default :95), the display Xvfb is started on if none runs there;
# BENCH_SOUND=1 adds the sound phases: a private PulseAudio with a null sink is started, and after
# the idle phase the toy makes its first sound, stays silent for SECONDS (memory, threads and the
# wake-ups of each thread) and then beeps every BENCH_BEEP_EVERY seconds (default 2) for SECONDS
# through presses of button A.
set -u
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin}
seconds=${2:-30}
display=${BENCH_DISPLAY:-:95}
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "desktop_idle: needs $tool" >&2; exit 1; }
done
[ -x "$bin/pipling" ] && [ -x "$bin/pipling-sim" ] || { echo "desktop_idle: no pipling in $bin" >&2; exit 1; }

work=$(mktemp -d /tmp/pipling-bench.XXXXXX)
pids=()
xvfb=
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
sound=${BENCH_SOUND:-0}

export DISPLAY=$display
if ! xdpyinfo >/dev/null 2>&1 && ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
fi
export QT_QPA_PLATFORM=xcb

server=
if [ "$sound" = 1 ]; then
    for tool in pulseaudio pactl; do
        command -v $tool >/dev/null || { echo "desktop_idle: the sound phases need $tool" >&2; exit 1; }
    done
    mkdir -p "$work/run"
    chmod 700 "$work/run"
    export XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:$work/run/native PULSE_COOKIE=$work/cookie
    HOME=$work/home pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$work/pulse.log" \
        -L "module-null-sink sink_name=bench" -L "module-native-protocol-unix socket=$work/run/native auth-anonymous=1" &
    server=$!
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
    pactl info >/dev/null 2>&1 || { echo "desktop_idle: the sound server did not start" >&2; exit 1; }
fi

# A hatched pet in a throw-away home: the sheet already pulled, an egg that hatches a minute in.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$XDG_CONFIG_HOME/Pipling Simulator"
printf 'store InsulatingSheet 0\nstore CharacterNo 0\nrnd 0.5\nstart\nwait 70\nget CharacterNo\nquit\n' |
    "$bin/pipling-sim" --store "$XDG_CONFIG_HOME/Pipling Simulator/settings.ini" >"$work/prepare.out" ||
    { echo "desktop_idle: could not prepare the pet" >&2; cat "$work/prepare.out" >&2; exit 1; }
# Fed and happy, with no call running: no call starts during the run to add its sounds and
# wake-ups to what is measured.
sed -i -e 's/^AttendTimeLeft=.*/AttendTimeLeft=0/' -e 's/^Attention\(Hungry\|Happy\|Discipline\|Sleep\)=.*/Attention\1=False/' \
    -e 's/^Hunger=.*/Hunger=4/' -e 's/^Happiness=.*/Happiness=4/' "$XDG_CONFIG_HOME/Pipling Simulator/settings.ini"

# The empty Qt window, built once into the throw-away folder when a compiler and Qt are there.
empty=
if command -v g++ >/dev/null && pkg-config --exists Qt6Widgets 2>/dev/null; then
    # shellcheck disable=SC2046
    g++ -O2 -fPIC -o "$work/empty_window" "$here/empty_window.cpp" $(pkg-config --cflags --libs Qt6Widgets) \
        2>"$work/empty.err" && empty=$work/empty_window
fi

now_ms() { date +%s%3N; }
# Starts a program and prints its pid and the milliseconds until it shows a window.
start_visible() {
    local start pid
    start=$(now_ms)
    "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1000); do
        if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
            echo "$pid $(($(now_ms) - start))"
            return
        fi
        sleep 0.005
    done
    echo "$pid -"
}
# CPU nanoseconds of all threads (the scheduler's own count, finer than the 10 ms ticks of
# /proc/PID/stat), and context switches of all threads (each one a wake-up or a preemption).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%.0f\n", n}'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'; }
# The voluntary ones alone: the wake-ups, without the preemptions a busy machine adds.
woken() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

names=()
starts=()
run() {
    local name=$1 result
    shift
    result=$(start_visible "$@")
    pids+=("${result% *}")
    names+=("$name")
    starts+=("${result#* }")
}
run pipling "$bin/pipling"
[ -n "$empty" ] && run "empty Qt" "$empty"
oneko=$(command -v oneko || ls /usr/games/oneko 2>/dev/null)
[ -n "$oneko" ] && run oneko "$oneko"

sleep 3 # past start-up: the pet idles
cpu0=() sw0=()
for pid in "${pids[@]}"; do cpu0+=("$(cpu_ns "$pid")"); sw0+=("$(switches "$pid")"); done
idle_woken0=$(woken "${pids[0]}")
sleep "$seconds"
idle_woken=$(($(woken "${pids[0]}") - idle_woken0))
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), ${seconds} s, display $display"
printf '%-10s %8s %9s %12s %10s\n' program "CPU %" "RSS MB" "wake-ups/s" "start ms"
for i in "${!pids[@]}"; do
    pid=${pids[$i]}
    if ! kill -0 "$pid" 2>/dev/null; then
        printf '%-10s ended early\n' "${names[$i]}"
        continue
    fi
    ns=$(($(cpu_ns "$pid") - cpu0[i]))
    sw=$(($(switches "$pid") - sw0[i]))
    awk -v n="${names[$i]}" -v ns="$ns" -v s="$seconds" -v rss="$(rss_kb "$pid")" -v sw="$sw" \
        -v st="${starts[$i]}" 'BEGIN {printf "%-10s %8.2f %9.1f %12.1f %10s\n", n, 100 * ns / 1e9 / s, rss / 1024, sw / s, st}'
done

[ "$sound" = 1 ] || exit 0

# The sound phases, for the toy alone.
toy=${pids[0]}
threads() { ls /proc/"$1"/task | wc -l; }
# Voluntary context switches per thread, as "tid name count" lines.
per_thread() {
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm")" \
            "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")"
    done 2>/dev/null
}
# Whether the toy is a client of the sound server: it connects at its first sound.
client() { pactl list clients 2>/dev/null | grep -q 'application.name = "Pipling Simulator"' && echo connected || echo "not connected"; }
press() { xdotool keydown Left sleep 0.05 keyup Left; }
# Presses button A every BENCH_BEEP_EVERY seconds for SECONDS: "CPU % switches/s presses".
presses() {
    local cpu0 sw0 t0 end count=0
    cpu0=$(cpu_ns "$toy") sw0=$(switches "$toy") t0=$(now_ms)
    end=$(($(date +%s) + seconds))
    while [ "$(date +%s)" -lt "$end" ]; do
        press
        count=$((count + 1))
        sleep "${BENCH_BEEP_EVERY:-2}"
    done
    awk -v ns="$(($(cpu_ns "$toy") - cpu0))" -v sw="$(($(switches "$toy") - sw0))" -v ms="$(($(now_ms) - t0))" \
        -v n=$count 'BEGIN {s = ms / 1000; printf "%.2f %.1f %d\n", 100 * ns / 1e9 / s, sw / s, n}'
}
window=$(xdotool search --onlyvisible --pid "$toy" | head -1)
xdotool windowfocus --sync "$window" 2>/dev/null
echo
echo "pipling idle, sound server $(client): $(awk -v w="$idle_woken" -v s="$seconds" 'BEGIN {printf "%.1f", w / s}') voluntary wake-ups/s"
# Resident memory split: anonymous (the toy's own) and file pages (libraries, shared with others).
memory() { awk '/^(RssAnon|RssFile)/ {printf "%s %.1f ", $1, $2 / 1024}' "/proc/$1/status"; awk '/^Pss:/ {printf "Pss: %.1f", $2 / 1024}' "/proc/$1/smaps_rollup" 2>/dev/null; }
rss_before=$(rss_kb "$toy") threads_before=$(threads "$toy") memory_before=$(memory "$toy")
press
sleep 12 # the icon the press highlighted goes out after 10 s
echo "first sound: sound server $(client), RSS $(awk -v a="$rss_before" -v b="$(rss_kb "$toy")" 'BEGIN {printf "%.1f -> %.1f MB", a / 1024, b / 1024}'), threads $threads_before -> $(threads "$toy")"
echo "  before: $memory_before MB; after: $(memory "$toy") MB"
per_thread "$toy" >"$work/threads0"
sleep "$seconds"
per_thread "$toy" >"$work/threads1"
echo "silent after it, $seconds s, voluntary wake-ups/s per thread:"
awk -v s="$seconds" 'NR == FNR {before[$1] = $3; next} {printf "  %-8s %-16s %6.2f\n", $1, $2, ($3 - before[$1]) / s}' \
    "$work/threads0" "$work/threads1"
read -r on_cpu on_sw on_n <<<"$(presses)"
# The same presses with the sound switched off (A+C) are the toy's own share.
xdotool keydown Left sleep 0.1 keydown Right sleep 0.1 keyup Right sleep 0.1 keyup Left
sleep 12
read -r off_cpu off_sw off_n <<<"$(presses)"
printf '%-22s %8s %12s %8s\n' "presses of A" "CPU %" "switches/s" presses
printf '%-22s %8s %12s %8s\n' "sound on" "$on_cpu" "$on_sw" "$on_n" "sound off" "$off_cpu" "$off_sw" "$off_n"
awk -v a="$on_cpu" -v b="$off_cpu" -v c="$on_sw" -v d="$off_sw" 'BEGIN {printf "%-22s %8.2f %12.1f\n", "the sound'"'"'s share", a - b, c - d}'
