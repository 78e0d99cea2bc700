#!/usr/bin/env bash
# Measures Ornadeck side by side with Qt's own tools on this machine and prints each ratio:
#   1. the desktop program vs Qt Designer, from start to a shown main window, with the
#      memory of each (target at most 0.5);
#   2. the desktop program opening the 5,000-control project (target under 300 ms);
#   3. ornadeck-cli generate on the 50-form, 5,000-control project vs uic on a .ui of 5,000
#      widgets (target at most 0.3).
# bench/compare.sh [BUILD_DIR]   (default: build; it must hold the benchmarks and the app)
# Not a test: timings depend on the machine and its load.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${RUNS:-10}
display=${COMPARE_DISPLAY:-:97}
uic=/usr/lib/qt6/libexec/uic
designer=/usr/lib/qt6/bin/designer

# What each tool comes from, installed here when missing (as root), else named.
need() { # command package
    command -v "$1" >/dev/null 2>&1 || [ -x "$1" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing $2 for $1..."
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$2" >/dev/null
    else
        echo "compare.sh: $1 is missing; install the Debian package $2" >&2
        exit 1
    fi
}
need hyperfine hyperfine
need "$uic" qt6-base-dev-tools
need "$designer" qt6-tools-dev-tools
need Xvfb xvfb
need xdotool xdotool
for program in bench/make_big_project bench/make_big_ui bench/open_project_timer \
    src/cli/ornadeck-cli src/app/ornadeck; do
    [ -x "$build/$program" ] || { echo "compare.sh: $build/$program is not built" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== 1. start to a shown main window, under Xvfb $display (median of $runs runs each)"
if ! DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; then
    # -noreset: the server would otherwise reset when the probe below disconnects, and
    # refuse the first program started meanwhile.
    Xvfb "$display" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
fi
# Prints "milliseconds kilobytes": the time until the program shows a window, polled every
# 10 ms, and its resident memory then.
time_to_window() {
    local start pid now rss
    start=$(date +%s%N)
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config DISPLAY=$display "$@" \
        >"$work/program.log" 2>&1 &
    pid=$!
    until DISPLAY=$display xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        sleep 0.01
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "compare.sh: $1 ended before showing a window:" >&2
            cat "$work/program.log" >&2
            return 1
        fi
    done
    now=$(date +%s%N)
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((now - start) / 1000000)) $rss"
}
mkdir -p "$work/home"
for program in ornadeck designer; do
    : >"$work/$program.txt"
    for _ in $(seq "$runs"); do
        if [ "$program" = ornadeck ]; then
            time_to_window "$build/src/app/ornadeck" >>"$work/$program.txt"
        else
            time_to_window "$designer" >>"$work/$program.txt"
        fi
    done
done
ms_o=$(cut -d' ' -f1 "$work/ornadeck.txt" | median)
kb_o=$(cut -d' ' -f2 "$work/ornadeck.txt" | median)
ms_d=$(cut -d' ' -f1 "$work/designer.txt" | median)
kb_d=$(cut -d' ' -f2 "$work/designer.txt" | median)
printf "ornadeck        %6s ms  %7s kB\n" "$ms_o" "$kb_o"
printf "Qt Designer     %6s ms  %7s kB\n" "$ms_d" "$kb_d"
printf "ratio           time %s (target <= 0.5), memory %s\n" "$(ratio "$ms_o" "$ms_d")" \
    "$(ratio "$kb_o" "$kb_d")"

"$build/bench/make_big_project" "$work/big" >/dev/null
echo "== 2. opening the 5,000-control project (median of $runs runs)"
: >"$work/open.txt"
for _ in $(seq "$runs"); do
    DISPLAY=$display "$build/bench/open_project_timer" "$build/src/app" "$work/big/Big.ozp" \
        2>/dev/null | awk '{ print $5 }' >>"$work/open.txt"
done
open_ms=$(median <"$work/open.txt")
printf "all 50 designer windows shown in %s ms (target < 300 ms)\n" "$open_ms"

echo "== 3. generate vs uic (median of $runs runs each)"
"$build/bench/make_big_ui" "$work/plain.ui" >/dev/null
"$build/bench/make_big_ui" "$work/full.ui" --full >/dev/null
# Outputs go to a memory file system when there is one, so that both tools are timed and not
# the shared disk (generate syncs each file it writes; uic does not).
out=$work/out
[ -d /dev/shm ] && out=$(mktemp -d /dev/shm/ornadeck-compare.XXXXXX) && trap 'cleanup; rm -rf "$out"' EXIT
mkdir -p "$out"
# Rounds of one run each, the two tools side by side, so that a machine slowing down or
# speeding up over the minutes of the measurement weighs on both alike.
: >"$work/gen.txt"
for round in $(seq 0 "$runs"); do
    hyperfine -N -r 1 --export-csv "$work/round.csv" \
        "$build/src/cli/ornadeck-cli generate $work/big/Big.ozp --out $out" \
        "$uic $work/plain.ui -o $out/plain.h" >/dev/null 2>&1
    # Round 0 warms the caches and is not counted.
    [ "$round" -gt 0 ] && tail -n +2 "$work/round.csv" | cut -d, -f2 | paste -sd' ' >>"$work/gen.txt"
done
hyperfine -N -w 1 -r 3 --export-csv "$work/full.csv" "$uic $work/full.ui -o $out/full.h" \
    >/dev/null 2>&1
gen=$(cut -d' ' -f1 "$work/gen.txt" | median | awk '{ print $1 * 1000 }')
plain=$(cut -d' ' -f2 "$work/gen.txt" | median | awk '{ print $1 * 1000 }')
full=$(tail -n +2 "$work/full.csv" | cut -d, -f4 | awk '{ print $1 * 1000 }')
printf "ornadeck-cli generate          %7.1f ms\n" "$gen"
printf "uic, 5,000 widgets             %7.1f ms   ratio %s (target <= 0.3)\n" "$plain" "$(ratio "$gen" "$plain")"
printf "uic, with fonts and items      %7.1f ms   ratio %s (uic grows as the square here)\n" \
    "$full" "$(ratio "$gen" "$full")"

