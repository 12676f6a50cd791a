#!/usr/bin/env bash
# A headless run driven by a scenario and recorded with --record replays on its own with
# --replay to a perfect match of the two state-change logs (the recorded key ends the replayed
# run too); a file of another format is refused; --demo plays DEMO.KPZ of the current folder.
source "$(dirname "$0")/lib.sh"
# On the real clock: recording, replay and capture keep their timing as a player's run does.
export TOLVA_SIMULATED_CLOCK=0

use_standin_data
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"

# The folder name holds a dot: the logs still go beside the replay file.
RUN="$E2E_TMP/run.1"
mkdir -p "$RUN"
REC="$RUN/game.rpl"
printf '%s\n' "wait_screen Main_Menu_Screen" "wait 5f" "key q" > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --record "$REC" --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
[ -f "$REC" ] || fail "no replay file"
[ "$(head -n 1 "$REC")" = "# Tolva Replay v2" ] || fail "first line is '$(head -n 1 "$REC")'"
header_count=$(sed -n 's/^# frame_count=\([0-9]*\) *$/\1/p' "$REC")
lines=$(grep -cv '^#' "$REC" || true)
[ -n "$header_count" ] && [ "$header_count" -gt 0 ] || fail "frame_count is '$header_count'"
[ "$header_count" -eq "$lines" ] || fail "frame_count $header_count but $lines frame lines"
grep -q '^# frame_count=.\{10\}$' "$REC" || fail "frame_count is not padded to 10 characters"
[ -f "$RUN/game-RECORD.log" ] || fail "no RECORD log beside the replay file"
expect_in_file "$LOG" "REPLAY: recording started -> $REC"
expect_in_file "$LOG" "REPLAY: recording stopped. $header_count frames captured."
pass "recording of $header_count frames"

run_tolva ZOLAN --headless --replay "$REC"
expect_rc 0
[ -f "$RUN/game-REPLAY.log" ] || fail "no REPLAY log beside the replay file"
expect_in_file "$LOG" "REPLAY: playback started <- $REC  ($header_count frames"
expect_in_file "$LOG" "========== REPLAY LOG COMPARISON =========="
grep -Eq '=== PERFECT MATCH: [0-9]+ state changes compared, all identical. ===' "$LOG" ||
  fail "no perfect match in the comparison"
expect_not_in_file "$LOG" "<-- MISMATCH"
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
grep -q "sccc=0x7171  elapsed=" "$RUN/game-REPLAY.log" || fail "the recorded q was not replayed"
pass "replay compares as a perfect match"

printf '# Tolva Replay v1\n# frame_count=1\n0,0,0,1,1,0,0,0\n' > "$E2E_TMP/old.rpl"
run_tolva ZOLAN --headless --replay "$E2E_TMP/old.rpl" --scenario "$E2E_TMP/scenario.txt"
expect_rc 1
expect_in_file "$LOG" "REPLAY: bad magic in $E2E_TMP/old.rpl"
expect_in_file "$ERR" "Tolva: replay $E2E_TMP/old.rpl not played: is not a Tolva replay file"
pass "a version 1 file is refused"

DEMO_DIR="$E2E_TMP/demo"
mkdir -p "$DEMO_DIR"
cp "$REC" "$DEMO_DIR/DEMO.KPZ"
cd "$DEMO_DIR"
run_tolva ZOLAN --headless --demo
expect_rc 0
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
expect_in_file "$LOG" "REPLAY: playback started <- DEMO.KPZ"
[ -f "$DEMO_DIR/DEMO-REPLAY.log" ] || fail "no REPLAY log for the demo"
pass "--demo plays DEMO.KPZ of the current folder"
