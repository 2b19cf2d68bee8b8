#!/usr/bin/env bash
# Whole-process figures under Xvfb: the time from process start to the first painted frame,
# the CPU time spent until then, and the peak resident memory, for Valmora and for the bare
# comparison program (one empty Qt window; also with one line of text, which is what the
# fonts cost on their own). The programs run in turn, round after round; the medians are
# printed with Valmora's ratio to the empty window.
#
#   scripts/startup-bench.sh [BUILD_DIR]      rounds: VALMORA_STARTUP_ROUNDS (default 21)
#
# Both programs report their first paint themselves (VALMORA_REPORT_FIRST_PAINT, see
# app/probe/FirstPaintReport.h): only the process knows when a frame has been painted and
# handed to the X server; from outside, polling xwininfo sees the window mapped before
# anything is drawn, and polling screenshots costs the CPU the programs need and is only as
# fine as the polling. The start time is taken in the launching shell just before exec,
# once the program's output pipe is open, so nothing of the script's own is counted.
# Peak memory is VmHWM from /proc, read a moment after the first paint.
set -euo pipefail
export LC_ALL=C

build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build}"
valmora="$build/app/valmora"
bare="$build/tests/benchmarks/valmora-bare-window"
rounds="${VALMORA_STARTUP_ROUNDS:-21}"
settle_seconds=0.5
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null ||
        { echo "missing $tool (Debian packages xvfb, openbox, x11-utils; bench.sh installs them)" >&2; exit 1; }
done
for program in "$valmora" "$bare"; do
    [ -x "$program" ] || { echo "missing $program (build with -DVALMORA_BUILD_BENCHMARKS=ON)" >&2; exit 1; }
done
# Other work on a shared machine stretches every figure; as root the X server and the
# measured programs run at a raised priority so that it disturbs them less.
boost=()
[ "$(id -u)" -eq 0 ] && boost=(nice -n -15)

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null; wait "$wm_pid" 2>/dev/null; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
export DISPLAY=":$display"
"${boost[@]}" Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -S "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
done
[ -S "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# A window manager, as on a desktop: both programs show their window maximised, so both
# windows get the same size and neither pays for a larger picture than the other.
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done
sleep 0.5 # let the window manager settle before the first window comes

# Runs one program once; prints "<microseconds to first paint> <CPU microseconds> <peak KiB>",
# or fails when the program reports no first paint or does not live on after it.
run_once() {
    local fifo="$work/paint" started word painted cpu pid peak
    rm -f "$fifo" && mkfifo "$fifo"
    (
        exec >"$fifo" 2>>"$work/stderr"
        printf '%s\n' "${EPOCHREALTIME/./}" >"$work/started"
        VALMORA_REPORT_FIRST_PAINT=1 exec "${boost[@]}" "$@"
    ) &
    pid=$!
    exec 3<"$fifo"
    if read -r -t 20 word painted cpu <&3 && [ "$word" = first-paint ]; then
        sleep "$settle_seconds"
        peak="$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exec 3<&-
    [ -n "${peak:-}" ] || return 1
    read -r started <"$work/started"
    echo "$((painted - started)) $cpu $peak"
}

# One run, tried again (at most twice) if the program did not come up: a rare start that
# fails under a loaded machine must not end the whole measurement.
measure() {
    local name="$1"
    shift
    for _ in 1 2 3; do
        if run_once "$@" >>"$work/$name"; then return 0; fi
        echo "note: $name did not report its first paint; tried again" >&2
    done
    echo "$name did not start:" >&2
    cat "$work/stderr" >&2
    exit 1
}

# One unrecorded run each fills the file caches.
measure warm-up "$bare" && measure warm-up "$bare" --text && measure warm-up "$valmora"
for round in $(seq "$rounds"); do
    # Each program goes first in turn, so that none always follows the same one.
    case $((round % 3)) in
    0) order=(bare text valmora) ;;
    1) order=(text valmora bare) ;;
    2) order=(valmora bare text) ;;
    esac
    for name in "${order[@]}"; do
        case $name in
        bare) measure bare "$bare" ;;
        text) measure text "$bare" --text ;;
        valmora) measure valmora "$valmora" ;;
        esac
    done
done

# median FILE COLUMN DIVISOR
median() {
    cut -d' ' -f"$2" "$1" | sort -n |
        awk -v d="$3" '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / d }'
}
row() { # LABEL UNIT COLUMN DIVISOR
    local bare_value text_value valmora_value
    bare_value="$(median "$work/bare" "$3" "$4")"
    text_value="$(median "$work/text" "$3" "$4")"
    valmora_value="$(median "$work/valmora" "$3" "$4")"
    ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
    printf '%-26s %10s %-4s %10s %-4s %10s %-4s %6s %6s\n' "$1" "$bare_value" "$2" "$text_value" \
        "$2" "$valmora_value" "$2" "$(ratio "$valmora_value" "$bare_value")" \
        "$(ratio "$valmora_value" "$text_value")"
}

echo
echo "Whole process under Xvfb with a window manager, medians of $rounds rounds:"
printf '%-26s %15s %15s %15s %6s %6s\n' "" "empty window" "one text line" "Valmora" "/empty" "/text"
row "start-up to first paint" ms 1 1000
row "CPU time to first paint" ms 2 1000
row "peak resident memory" MiB 3 1024
echo "(/empty, /text: Valmora's figure against the empty window's and the text window's)"
