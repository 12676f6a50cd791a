#!/usr/bin/env bash
# Records and replays pairs of headless runs while busy loops load every core, and counts the
# replays that compare as a perfect match with their recording. Each pair starts from the
# stand-in continue game in fresh folders: a scenario moves a stack, clicks and types through the
# load screen, ends a turn and quits; the run is recorded, then replayed from the same start.
# Usage: tools/replay-under-load.sh [pairs, default 20] [busy loops, default one per core]
# Needs TOLVA_BIN (the tolva binary) and TOLVA_STANDIN_DIR (the stand-in installation), as the
# end-to-end tests do. Exits 0 only when every pair matches.
set -euo pipefail

PAIRS="${1:-20}"
LOADS="${2:-$(nproc)}"
: "${TOLVA_BIN:?TOLVA_BIN must name the tolva binary}"
: "${TOLVA_STANDIN_DIR:?TOLVA_STANDIN_DIR must name the stand-in installation}"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tolva-replay-load.XXXXXX")
LOAD_PIDS=()
stop_load() {
  for pid in "${LOAD_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${LOAD_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  LOAD_PIDS=()
}
trap 'stop_load; [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT

SCENARIO="$WORK/scenario.txt"
cat >"$SCENARIO" <<'EOF'
wait_screen Main_Screen 20s
wait 10f
right
wait 20f
rclick 160 100
wait 10f
escape
wait 10f
key g
wait_screen Load_Screen 20s
wait 5f
click 100 52
wait 3f
type load
wait 3f
click 140 177
wait_screen Main_Screen 20s
wait 5f
next_turn
wait 5f
click 319 199
wait 15f
click 319 199
wait 15f
click 319 199
wait_screen Main_Screen 60s
wait 5f
key g
wait_screen Load_Screen 20s
wait 5f
click 60 177
wait_screen Main_Menu_Screen 20s
wait 5f
key q
wait 10f
quit
EOF

# One run in fresh HOME and XDG folders of its own; the stand-in installation is only read.
run_in() {
  local home="$1"
  shift
  mkdir -p "$home/home" "$home/program"
  HOME="$home/home" XDG_CONFIG_HOME="$home/xdg-config" XDG_DATA_HOME="$home/xdg-data" \
    XDG_STATE_HOME="$home/xdg-state" XDG_CACHE_HOME="$home/xdg-cache" TOLVA_PROGRAM_DIR="$home/program" \
    TOLVA_DATA_DIR="$TOLVA_STANDIN_DIR" SDL_AUDIODRIVER=dummy DISPLAY='' WAYLAND_DISPLAY='' \
    timeout 300 "$TOLVA_BIN" ZOLAN --headless --continue "$@" >"$home/stdout" 2>"$home/stderr"
}

for _ in $(seq 1 "$LOADS"); do
  sh -c 'while :; do :; done' &
  LOAD_PIDS+=("$!")
done
echo "replay-under-load: $PAIRS pairs, $LOADS busy loops on $(nproc) cores"

matched=0
started=$(date +%s)
for pair in $(seq 1 "$PAIRS"); do
  dir="$WORK/pair$pair"
  mkdir -p "$dir"
  rc=0
  run_in "$dir/record" --record "$dir/game.rpl" --scenario "$SCENARIO" || rc=$?
  if [ "$rc" -ne 0 ]; then
    echo "pair $pair: recording exited $rc"
    continue
  fi
  run_in "$dir/replay" --replay "$dir/game.rpl" || rc=$?
  log="$dir/replay/xdg-state/Tolva/tolva_log_new.txt"
  frames=$(sed -n 's/^# frame_count=\([0-9]*\) *$/\1/p' "$dir/game.rpl")
  verdict=$(grep -Eo '=== (PERFECT MATCH|COMPARISON DONE|REPLAY INCOMPLETE)[^=]*' "$log" | tail -n 1 || true)
  if [ "$rc" -eq 0 ] && [[ "$verdict" == "=== PERFECT MATCH"* ]]; then
    matched=$((matched + 1))
    echo "pair $pair: $frames frames, ${verdict#=== }"
  else
    echo "pair $pair: $frames frames, exit $rc, ${verdict:-no comparison}"
    grep -F "<-- " "$log" | head -n 3 || true
  fi
done
stop_load
echo "replay-under-load: $matched of $PAIRS replays match their recording ($(($(date +%s) - started)) s)"
[ "$matched" -eq "$PAIRS" ]
