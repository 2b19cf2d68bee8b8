#!/usr/bin/env bash
# Whole-process figures under Xvfb: the time from process start to the first painted frame
# and the peak resident memory, for Valmora and for the bare comparison program (one empty
# Qt window), started alternately for several rounds; prints the medians and the ratios.
#
#   scripts/startup-bench.sh [BUILD_DIR]      (rounds: VALMORA_STARTUP_ROUNDS, default 15)
#
# Both programs report their first paint themselves (VALMORA_REPORT_FIRST_PAINT, see
# app/probe/FirstPaintReport.h): only the process knows when a frame has been painted and
# handed to the X server; from outside, polling xwininfo sees the window mapped (before
# anything is drawn) and polling screenshots costs the CPU the programs need and is only as
# fine as the polling. The start time is taken in the launching shell just before exec,
# after the program's output pipe is open, so nothing of the script's own is counted.
# Peak memory is VmHWM from /proc, read a moment after the first paint.
set -euo pipefail
export LC_ALL=C

build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build}"
valmora="$build/app/valmora"
bare="$build/tests/benchmarks/valmora-bare-window"
rounds="${VALMORA_STARTUP_ROUNDS:-15}"
settle_seconds=0.5
# Other work on a shared machine stretches every figure; as root the X server and the
# measured programs run at a raised priority so that it disturbs them less.
boost=""
[ "$(id -u)" -eq 0 ] && boost="nice -n -15"
for program in "$valmora" "$bare"; do
    [ -x "$program" ] || { echo "missing $program (build with -DVALMORA_BUILD_BENCHMARKS=ON)" >&2; exit 1; }
done

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "${VALMORA_STARTUP_KEEP:-}" ] && cp -r "$work" "$VALMORA_STARTUP_KEEP"
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
$boost Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -S "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
done
[ -S "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# A window manager, as on a desktop: both programs show their window maximised, so both
# windows get the same size and neither pays for a larger picture than the other.
DISPLAY=":$display" openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    DISPLAY=":$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done
sleep 0.5 # let the window manager settle before the first window comes

# Runs one program once; prints "<microseconds to first paint> <peak KiB>".
measure() {
    local program="$1" fifo="$work/paint" started word painted pid peak
    rm -f "$fifo" && mkfifo "$fifo"
    (
        exec >"$fifo" 2>>"$work/stderr"
        printf '%s\n' "${EPOCHREALTIME/./}" >"$work/started"
        DISPLAY=":$display" VALMORA_REPORT_FIRST_PAINT=1 exec $boost "$program"
    ) &
    pid=$!
    exec 3<"$fifo"
    if ! read -r -t 20 word painted <&3 || [ "$word" != first-paint ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        exec 3<&-
        echo "$program reported no first paint" >&2
        cat "$work/stderr" >&2
        return 1
    fi
    sleep "$settle_seconds"
    peak="$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    exec 3<&-
    read -r started <"$work/started"
    echo "$((painted - started)) $peak"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One unrecorded run each fills the file caches.
measure "$bare" >/dev/null
measure "$valmora" >/dev/null
for round in $(seq "$rounds"); do
    # Alternate which program goes first, so that neither always follows the other.
    if [ $((round % 2)) -eq 1 ]; then order=("$bare" "$valmora"); else order=("$valmora" "$bare"); fi
    for program in "${order[@]}"; do
        name="$(basename "$program")"
        measure "$program" >>"$work/$name"
    done
done

bare_ms="$(cut -d' ' -f1 "$work/valmora-bare-window" | median | awk '{ printf "%.1f", $1 / 1000 }')"
valmora_ms="$(cut -d' ' -f1 "$work/valmora" | median | awk '{ printf "%.1f", $1 / 1000 }')"
bare_mib="$(cut -d' ' -f2 "$work/valmora-bare-window" | median | awk '{ printf "%.1f", $1 / 1024 }')"
valmora_mib="$(cut -d' ' -f2 "$work/valmora" | median | awk '{ printf "%.1f", $1 / 1024 }')"
range() { # min-max of column $2 of file $1, scaled by $3
    cut -d' ' -f"$2" "$1" | sort -n | awk -v s="$3" 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.1f-%.1f", lo / s, hi / s }'
}

echo
echo "Whole process under Xvfb, $rounds rounds each, medians (range):"
printf '%-34s %18s %18s %7s\n' "" "bare Qt window" "Valmora" "ratio"
printf '%-34s %8s ms %-7s %8s ms %-7s %6.2f\n' "start-up to first paint" \
    "$bare_ms" "($(range "$work/valmora-bare-window" 1 1000))" \
    "$valmora_ms" "($(range "$work/valmora" 1 1000))" \
    "$(awk -v a="$valmora_ms" -v b="$bare_ms" 'BEGIN { print a / b }')"
printf '%-34s %7s MiB %-7s %7s MiB %-7s %6.2f\n' "peak resident memory" \
    "$bare_mib" "($(range "$work/valmora-bare-window" 2 1024))" \
    "$valmora_mib" "($(range "$work/valmora" 2 1024))" \
    "$(awk -v a="$valmora_mib" -v b="$bare_mib" 'BEGIN { print a / b }')"
