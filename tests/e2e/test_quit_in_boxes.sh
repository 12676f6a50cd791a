#!/usr/bin/env bash
# A quit request ends whatever box or window the game waits in, with its declining answer, and
# the program then quits as from the main screen, saving nothing: the script's quit in the turn-0
# naming box, in a confirmation box and in the unit view, and SIGTERM in the unit view, each
# exit 0 within 5 s of the request.
source "$(dirname "$0")/lib.sh"
use_standin_data
SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"

# Starts tolva in the background; once the log holds $1 (a fixed string), waits $2 (a signal name
# or "none"), then measures how long the run takes to end. Sets RC and TOOK (whole seconds).
run_until_quit() {
  local mark="$1" signal="$2"
  shift 2
  rm -rf "$LOG_DIR"
  set +e
  timeout 120 "$TOLVA_BIN" "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
  local pid=$! i
  for i in $(seq 1 1000); do
    grep -qF -- "$mark" "$LOG" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  grep -qF -- "$mark" "$LOG" 2>/dev/null || { kill "$pid"; wait "$pid"; fail "'$mark' never logged"; }
  local start=$SECONDS
  [ "$signal" = none ] || kill -s "$signal" "$(pgrep -P "$pid" -x tolva || echo "$pid")"
  wait "$pid"
  RC=$?
  TOOK=$((SECONDS - start))
  set -e
}
expect_quick_exit() {
  [ "$RC" -eq 0 ] || { cat "$E2E_TMP/stderr" >&2; fail "$1: exit code $RC"; }
  [ "$TOOK" -le 5 ] || fail "$1: took $TOOK s after the quit"
  expect_not_in_file "$LOG" "[FATAL"
  expect_in_file "$LOG" "graphics: quit requested"
}

# The naming box of a new game's starting city: the quit closes it.
rm -f "$USER_DIR/SAVE9.GAM"
sed '/^wait_screen Main_Screen/q' "$SCENARIOS/new_game_preset.txt" >"$E2E_TMP/name.txt"
printf 'wait 20f\nquit\nwait 60s\n' >>"$E2E_TMP/name.txt"
run_until_quit "ms quit" none ZOLAN --headless --scenario "$E2E_TMP/name.txt"
expect_quick_exit "naming box"
grep -n "ms quit\|Change_Home_City_Name_Popup" "$LOG" | head -2 | tail -1 | grep -qF "Change_Home_City_Name_Popup" ||
  fail "the naming box did not close after the quit"
[ "$(grep -c "Change_Home_City_Name_Popup" "$LOG")" -eq 1 ] || fail "the naming box did not open exactly once"
pass "the script's quit closes the turn-0 naming box and the game ends (exit 0, ${TOOK} s)"

# The unit view, and the dismissal's confirmation box over it, on the fixture game.
FIXTURE="$TOLVA_DATA_DIR/fixtures/CAPITAL_UNITS.GAM"
view='wait_screen Main_Screen 10s
wait 10f
rclick 170 101
wait 10f
rclick 256 90
wait 10f'
for box in view confirm; do
  cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"
  { echo "$view"; [ "$box" = confirm ] && printf 'key d\nwait 10f\n'; printf 'quit\nwait 60s\n'; } >"$E2E_TMP/$box.txt"
  run_until_quit "ms quit" none ZOLAN --headless --continue --scenario "$E2E_TMP/$box.txt"
  expect_quick_exit "$box"
  expect_in_file "$LOG" "Unit_Statistics_Popup: unit"
  expect_not_in_file "$LOG" "dismissed"
  cmp -s "$FIXTURE" "$USER_DIR/SAVE9.GAM" || fail "$box: the continue game changed"
  pass "the script's quit in the $box ends the game with nothing saved (exit 0, ${TOOK} s)"
done

# SIGTERM while the unit view waits.
cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"
{ echo "$view"; printf 'wait 60s\n'; } >"$E2E_TMP/term.txt"
run_until_quit "Unit_Statistics_Popup: unit" TERM ZOLAN --headless --continue --scenario "$E2E_TMP/term.txt"
expect_quick_exit "SIGTERM"
cmp -s "$FIXTURE" "$USER_DIR/SAVE9.GAM" || fail "SIGTERM: the continue game changed"
pass "SIGTERM in the unit view ends the game with nothing saved (exit 0, ${TOOK} s)"
