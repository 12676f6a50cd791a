#!/usr/bin/env bash
# Every wizard computer-run: a generated world played headless for TOLVA_SOAK_TURNS world turns
# (60 by default) twice from the same seed. Each run exits 0 with one "[SOAK] turn=" line per turn
# (or up to a "[SOAK] game end" line), no integrity fault, no near-buffer overflow and no timed-out
# wait, and both leave the same autosave byte for byte. The mean and largest turn times come last.
source "$(dirname "$0")/lib.sh"
use_standin_data

WORLDGEN="${TOLVA_BUILD_DIR:?TOLVA_BUILD_DIR must name the build folder}/tolva_worldgen"
[ -x "$WORLDGEN" ] || fail "no tolva_worldgen at $WORLDGEN"
TURNS="${TOLVA_SOAK_TURNS:-60}"
WORLD="$E2E_TMP/W.GAM"
SCENARIO="$E2E_TMP/soak.txt"

"$WORLDGEN" --seed 31 --landsize 1 --magic 1 --difficulty 2 --opponents 4 --wizard 0 --race 8 --banner 0 \
  --out "$WORLD" >/dev/null 2>&1 || fail "tolva_worldgen failed"
START=$(python3 -c "import struct, sys, save_layout; print(struct.unpack_from('<h', open(sys.argv[1], 'rb').read(), save_layout.TURN)[0])" "$WORLD")
# A turn of the computer players' armies takes up to 20 s of the run's simulated clock.
printf '%s\n' "wait_turn $((START + TURNS)) $((TURNS * 20 + 60))s" quit >"$SCENARIO"

soak_run() {  # run number
  TOLVA_POOL_GUARDS=1 TOLVA_RUN_TIMEOUT=$((TURNS * 3 + 120)) run_tolva_long ZOLAN --headless --seed2 5 \
    --load "$WORLD" --patch ai_soak --scenario "$SCENARIO"
  expect_rc 0
  for bad in "[INTEGRITY]" "Near Allocation too large" "TIMEOUT on state-aware wait"; do
    expect_not_in_file "$LOG" "$bad"
  done
  python3 - "$OUT" "$START" "$TURNS" <<'PY' || fail "run $1: the [SOAK] lines do not count the turns"
import re, sys
out, start, turns = open(sys.argv[1]).read(), int(sys.argv[2]), int(sys.argv[3])
seen = [int(t) for t in re.findall(r"^\[SOAK\] turn=(\d+) ", out, re.M)]
ended = "[SOAK] game end" in out
# The turn that ends the game stops before the turn count moves on, so its line repeats the last.
if ended and len(seen) > 1 and seen[-1] == seen[-2]:
    seen.pop()
assert seen, "no [SOAK] turn line"
assert seen == list(range(start + 1, start + 1 + len(seen))), seen[:5]
assert ended or len(seen) >= turns, (len(seen), turns)
PY
  cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/save$1.gam"
  cp "$OUT" "$E2E_TMP/out$1.txt"
}

run_tolva_long() {
  OUT="$E2E_TMP/stdout"
  ERR="$E2E_TMP/stderr"
  set +e
  timeout "$TOLVA_RUN_TIMEOUT" "$TOLVA_BIN" "$@" >"$OUT" 2>"$ERR"
  RC=$?
  set -e
}

soak_run 1
rm -rf "$USER_DIR"
soak_run 2
# TOLVA_SOAK_KEEP names a folder that keeps the first run's autosave and output for inspection.
if [ -n "${TOLVA_SOAK_KEEP:-}" ]; then
  mkdir -p "$TOLVA_SOAK_KEEP"
  cp "$E2E_TMP/save1.gam" "$E2E_TMP/out1.txt" "$TOLVA_SOAK_KEEP/"
fi
cmp -s "$E2E_TMP/save1.gam" "$E2E_TMP/save2.gam" || fail "the two runs' SAVE9.GAM differ"
python3 - "$E2E_TMP/out1.txt" <<'PY'
import re, sys
ms = [int(m) for m in re.findall(r"^\[SOAK\] turn=\d+ .* ms=(\d+)", open(sys.argv[1]).read(), re.M)]
print(f"soak: {len(ms)} turns, mean turn {sum(ms) / len(ms):.1f} ms, largest {max(ms)} ms")
PY
pass "$TURNS computer-run turns twice from one seed: same autosave, no integrity fault"
