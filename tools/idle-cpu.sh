#!/usr/bin/env bash
# How much the game costs while it sits at the main menu: the process's CPU time as a share of
# one core, and its wake-ups (context switches of all its threads) per second, over a fixed
# span. Measured headless (SDL's dummy video driver) and in a window (Xvfb, SDL's software
# renderer). Runs in fresh HOME and XDG folders on the stand-in installation unless
# TOLVA_DATA_DIR names another.
#
#   tools/idle-cpu.sh [seconds]      (default 30; TOLVA_BIN defaults to build/tolva)
#
# Goals: headless at most 1 %, windowed at most 4 % of a core. Exits 1 when a figure is over
# its goal or a run could not be measured.
set -euo pipefail
cd "$(dirname "$0")/.."

INSIDE_X=0
if [ "${1:-}" = "--inside-x" ]; then
  INSIDE_X=1
  shift
fi
SECONDS_TO_MEASURE=${1:-30}
BIN=${TOLVA_BIN:-$PWD/build/tolva}
DATA=${TOLVA_DATA_DIR:-$PWD/build/standin}
[ -x "$BIN" ] || { echo "idle-cpu: no binary at $BIN (build the tolva target)" >&2; exit 1; }
[ -f "$DATA/FONTS.LBX" ] || { echo "idle-cpu: no installation at $DATA (build standin_data)" >&2; exit 1; }

TMP=$(mktemp -d "${TMPDIR:-/tmp}/tolva-idle.XXXXXX")
trap 'rm -rf "$TMP"' EXIT
export TOLVA_DATA_DIR="$DATA"
export SDL_AUDIODRIVER=dummy
unset TOLVA_LOG_DIR TOLVA_APP_DIR || true
# The windowed run keeps the display xvfb-run gives it; the headless run needs none.
[ "$INSIDE_X" = 1 ] || unset DISPLAY WAYLAND_DISPLAY || true
TICKS=$(getconf CLK_TCK)

# Sets up fresh user folders under $TMP/$1 and exports them.
fresh_home() {
  local base="$TMP/$1"
  export HOME="$base/home" XDG_CONFIG_HOME="$base/xdg-config" XDG_DATA_HOME="$base/xdg-data"
  export XDG_STATE_HOME="$base/xdg-state" XDG_CACHE_HOME="$base/xdg-cache" TOLVA_PROGRAM_DIR="$base/program"
  mkdir -p "$HOME" "$TOLVA_PROGRAM_DIR"
  LOG="$XDG_STATE_HOME/Tolva/tolva_log_new.txt"
}

# CPU ticks (user + system) and context switches of every thread of process $1.
sample() {
  local pid=$1 ticks switches=0 t
  ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  for t in /proc/"$pid"/task/*/status; do
    switches=$((switches + $(awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {s += $2} END {print s + 0}' "$t")))
  done
  echo "$ticks $switches"
}

# Waits for the main menu in the log of process $1, settles, measures; prints "cpu% wakeups/s".
measure() {
  local pid=$1 i before after
  for i in $(seq 1 300); do
    grep -q "Main_Menu" "$LOG" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  grep -q "Main_Menu" "$LOG" 2>/dev/null || return 1
  sleep 3  # the fade-in and the first frames
  before=$(sample "$pid")
  sleep "$SECONDS_TO_MEASURE"
  kill -0 "$pid" 2>/dev/null || return 1
  after=$(sample "$pid")
  set -- $before $after
  awk -v t0="$1" -v s0="$2" -v t1="$3" -v s1="$4" -v hz="$TICKS" -v span="$SECONDS_TO_MEASURE" \
    'BEGIN { printf "%.2f %.0f\n", (t1 - t0) / hz / span * 100, (s1 - s0) / span }'
}

# The windowed run, started again by this script under xvfb-run: prints the figures only.
if [ "$INSIDE_X" = 1 ]; then
  fresh_home windowed
  export SDL_RENDER_DRIVER=software
  "$BIN" ZOLAN >/dev/null 2>&1 &
  pid=$!
  measure "$pid" || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exit 0
fi

status=0
report() {
  local name=$1 figures=$2 goal=$3
  if [ -z "$figures" ]; then
    echo "$name: not measured (the main menu did not come up; see $LOG)"
    status=1
    return
  fi
  set -- $figures
  echo "$name: CPU $1 % of a core, $2 wake-ups a second (goal: at most $goal %)"
  awk -v c="$1" -v g="$goal" 'BEGIN { exit !(c > g) }' && status=1
  return 0
}

# Headless: a scenario keeps the menu up for the whole span, then quits.
fresh_home headless
printf 'wait_screen Main_Menu_Screen\nwait %ds\nkey q\n' $((SECONDS_TO_MEASURE + 10)) > "$TMP/idle.txt"
"$BIN" ZOLAN --headless --scenario "$TMP/idle.txt" >/dev/null 2>&1 &
pid=$!
figures=$(measure "$pid" || true)
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
report headless "$figures" 1

# Windowed: the menu in an X window drawn by SDL's software renderer.
if command -v xvfb-run >/dev/null 2>&1; then
  LOG="(the windowed run's log)"
  figures=$(TOLVA_BIN="$BIN" xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside-x "$SECONDS_TO_MEASURE")
  report windowed "$figures" 4
else
  echo "windowed: not measured (xvfb-run missing)"
  status=1
fi
exit $status
