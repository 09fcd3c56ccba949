#!/usr/bin/env bash
# The renderer's pace, measured from outside: Wine's `+timestamp,+wgl` channels print every
# buffer swap with its time, so the frames per second are counted from the log, not taken from
# the renderer's word; its CPU use comes from /proc. Prints figures; asserts nothing.
#   - frames per second and CPU use on a small virtual screen (320x240 Xvfb, no vertical sync),
#     beside the renderer's window and loop drawing only a clear, and drawing the floor;
#   - while the display is off (its notification delivered inside the renderer, which Wine never
#     does itself, by bench/renderer_window/display_power_switch), at 320x240 and 1920x1080 beside
#     the same renderer with the display on: frames, CPU and each thread's wakeups (voluntary
#     context switches); the time from "on" to the next frame, the median of 10; and a night's
#     CPU seconds, 15 minutes on and 8 hours off;
#   - process start to the first frame on one monitor (Xvfb 1280x720) and on two (Xorg with the
#     dummy driver: 1280x720 beside 1024x768).
# With --base REV the same figures for the renderer of that commit, built in a temporary folder,
# in the same run. Usage: pace.sh [--base REV] [--seconds N]   (default 10 s)
source "$(dirname "$0")/lib.sh"
root=$PWD
usage="pace.sh [--base REV] [--seconds N]"
read_base_option "$@"
seconds=10
set -- "${options[@]}"
while [ $# -gt 0 ]; do
    case $1 in
    --seconds) [ $# -ge 2 ] || usage_error; seconds=$2; shift 2 ;;
    *) usage_error ;;
    esac
done
scripts/install-deps.sh test >/dev/null
build_preset_quietly win64 corvessa_renderer paced_floor display_power_switch display_power_probe

make_work_folder
state=$work/xvfb
monitors=$work/monitors

declare -A renderers=([current]=$root/build/win64/bin/Corvessa.dll)
if [ -n "$base" ]; then
    echo "building the renderer of $base ..."
    scripts/build-revision.sh "$base" "$work/base" win64 corvessa_renderer
    renderers[$base]=$work/base/build-win64/bin/Corvessa.dll
fi

# Runs a renderer for $2 seconds in the session of state folder $1 with the swap and DLL-load
# traces in $3; prints its CPU seconds (user + system) over the last $2 - 2 of them.
# The program's arguments, if any, follow it.
run_traced() {
    local session=$1 secs=$2 log=$3
    shift 3
    (
        source tests/harness/wine-env.sh "$session"
        export WINEDEBUG=+timestamp,+wgl,+loaddll
        exec env $WINE_LOCALE "$WINELOADER" "$@" 2>"$log" >/dev/null
    ) &
    local pid=$! tick; tick=$(getconf CLK_TCK)
    sleep 2
    local before; before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep $((secs - 2))
    local after; after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v a="$after" -v b="$before" -v t="$tick" 'BEGIN { printf "%.3f", (a - b) / t }'
}

# Frames per second between the swaps from two seconds after the first one to the last one.
swaps_per_second() {
    awk '/wglSwapBuffers/ { t = $1 + 0; if (!first) first = t
                            if (t - first >= 2) { if (!from) from = t; else n++; last = t } }
         END { printf "%.1f", n / (last - from) }' "$1"
}

# Milliseconds from the load of the renderer's own program (not of the helpers that the first
# Wine program of a session starts) to its first swap.
first_frame_ms() {
    awk '/loaddll.*[Cc]orvessa\.dll/ && !start { start = $1 + 0 }
         /wglSwapBuffers/ && start { printf "%.0f", ($1 - start) * 1000; exit }' "$1"
}

# A first Wine program boots the prefix's helpers; it should not be what is measured.
warm_up() {
    (source tests/harness/wine-env.sh "$1"; env $WINE_LOCALE "$WINELOADER" cmd /c exit >/dev/null 2>&1) || true
}

CORVESSA_SCREEN=320x240x24 CORVESSA_SOUND=0 wine_session "$state"
warm_up "$state"
printf '%-12s %-26s %s\n' renderer "320x240 Xvfb, ${seconds} s" "CPU (share of one core)"
# Beside the renderers, the same window, loop and pacing with the floor's drawing: only a clear
# and the swap, and the floor's veil and 400 quads (bench/animation/paced_floor_win32.cpp).
floor=$root/build/win64/bin/paced_floor.exe
pace_of() {  # name, program and its arguments
    local name=$1 log=$work/small-$RANDOM.log cpu fps
    shift
    cpu=$(run_traced "$state" "$seconds" "$log" "$@")
    fps=$(swaps_per_second "$log" "$seconds")
    printf '%-12s %6s frames per second    %5.1f %%\n' "$name" "$fps" \
        "$(awk -v c="$cpu" -v s="$seconds" 'BEGIN { print 100 * c / (s - 2) }')"
}
for name in "${!renderers[@]}"; do pace_of "$name" "${renderers[$name]}"; done
pace_of "floor: clear" "$floor" clear
pace_of "floor: quads" "$floor" quads
tests/harness/session.sh stop "$state" >/dev/null

# Start to the first frame in session $1 (named $2): the median of three starts per renderer.
first_frames() {
    local name run log times
    warm_up "$1"
    for name in "${!renderers[@]}"; do
        times=()
        for run in 1 2 3; do
            log=$work/$name-first-$run.log
            run_traced "$1" 3 "$log" "${renderers[$name]}" >/dev/null
            times+=("$(first_frame_ms "$log")")
        done
        echo "$name: start to the first frame on $2: $(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p) ms" \
             "(median of ${times[*]})"
    done
}

# The renderer's own figures with the display off. The switch is a Wine program of its own,
# run only between the measured stretches, since asking the probe wakes the renderer.
switch=$root/build/win64/bin/display_power_switch.exe
power() {  # session, off|on|frames|first-frame
    (source tests/harness/wine-env.sh "$1"; env $WINE_LOCALE "$WINELOADER" "$switch" "$2" 2>/dev/null) |
        tr -d '\r'
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# "tid name voluntary-switches" for each thread of process $1.
thread_switches() {
    local t
    for t in /proc/"$1"/task/*; do
        printf '%s %s %s\n' "${t##*/}" "$(tr ' ' _ <"$t/comm")" \
            "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$t/status")"
    done
}
# Per second between two thread_switches lists, the main thread (the message loop) first.
wakeups_per_second() {
    awk -v secs="$3" -v main="$4" 'NR == FNR { before[$1] = $3; next }
        { n = ($3 - before[$1]) / secs; name = ($1 == main ? "loop" : $2)
          line = sprintf("%s %.1f", name, n); if ($1 == main) first = line; else rest = rest ", " line }
        END { print first rest }' "$1" "$2"
}
percent() { awk -v t="$1" -v s="$2" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }

# Session $1 (its screen named $2), renderer $3 named $4: on for $seconds, off for $seconds,
# then ten times on and off again for the first frame after "on".
dark_figures() {
    local session=$1 screen=$2 name=$4 pid f0 f1 t0 t1 c0 c1 c2 c3 run times=()
    (source tests/harness/wine-env.sh "$session"; exec env $WINE_LOCALE "$WINELOADER" "$3" >/dev/null 2>&1) &
    pid=$!
    sleep 3
    power "$session" frames >/dev/null  # the probe comes with the first question
    # Each count is read as its question ends, so the stretch between the two ends is the one.
    f0=$(power "$session" frames); t0=$(date +%s.%N); c0=$(cpu_ticks "$pid"); sleep "$seconds"
    c1=$(cpu_ticks "$pid"); f1=$(power "$session" frames); t1=$(date +%s.%N)
    power "$session" off
    sleep 1
    f2=$(power "$session" frames); c2=$(cpu_ticks "$pid"); thread_switches "$pid" >"$work/threads-0"
    sleep "$seconds"
    c3=$(cpu_ticks "$pid"); thread_switches "$pid" >"$work/threads-1"; f3=$(power "$session" frames)
    for run in $(seq 10); do
        power "$session" on; sleep 0.3
        times+=("$(power "$session" first-frame)")
        power "$session" off; sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    local on off
    on=$(percent $((c1 - c0)) "$seconds"); off=$(percent $((c3 - c2)) "$seconds")
    printf '%-10s %-9s on: %5.1f frames/s, CPU %6s %%   off: %s frames, CPU %s %%\n' "$name" "$screen" \
        "$(awk -v f=$((f1 - f0)) -v a="$t0" -v b="$t1" 'BEGIN { print f / (b - a) }')" "$on" $((f3 - f2)) "$off"
    echo "           off, wakeups per second by thread: $(wakeups_per_second "$work/threads-0" "$work/threads-1" "$seconds" "$pid")"
    echo "           \"on\" to the next frame: $(printf '%s\n' "${times[@]}" | sort -n | sed -n 5,6p | paste -sd' ' |
        awk '{ printf "%.1f", ($1 + $2) / 2 }') ms, median of ${times[*]}"
    echo "           a night, 15 minutes on and 8 hours off: $(awk -v a="$on" -v b="$off" \
        'BEGIN { printf "%.0f", (a * 900 + b * 28800) / 100 }') CPU seconds"
}

for screen in 320x240 1920x1080; do
    CORVESSA_SCREEN=${screen}x24 CORVESSA_SOUND=0 wine_session "$state"
    warm_up "$state"
    for name in "${!renderers[@]}"; do dark_figures "$state" "$screen" "${renderers[$name]}" "$name"; done
    tests/harness/session.sh stop "$state" >/dev/null
done

CORVESSA_SCREEN=1280x720x24 CORVESSA_SOUND=0 wine_session "$state"
first_frames "$state" "one monitor (1280x720)"
tests/harness/session.sh stop "$state" >/dev/null

if wine_session --monitors 2 "$monitors"; then
    first_frames "$monitors" "two monitors (1280x720, 1024x768 left of it)"
else
    echo "no two-monitor figures: the Xorg session did not start"
fi
