#!/usr/bin/env bash
# Scenario and replay files that cannot be used refuse the run with a reason on standard error;
# a replay that stops before its recording's last frame is no match and fails the run; a
# scenario longer than the action table says where it was cut.
source "$(dirname "$0")/lib.sh"

use_standin_data
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"

S="$E2E_TMP/s"
mkdir -p "$S/folder.txt"
: > "$S/empty.txt"
printf '# only comments\n\n   \n' > "$S/comments.txt"
printf 'jump\nclick nowhere\nwait forever\n' > "$S/unparsable.txt"
head -c 3000 /dev/urandom | tr -d '\n#' > "$S/binary.txt"
printf 'wait 1f\ninclude loop.txt\n' > "$S/loop.txt"
# name|file|reason on standard error
cases=(
  "missing|$S/missing.txt|could not open $S/missing.txt"
  "empty|$S/empty.txt|the scenario is empty"
  "comments only|$S/comments.txt|the scenario is empty"
  "folder|$S/folder.txt|$S/folder.txt is not a regular file"
  "unparsable|$S/unparsable.txt|the scenario is empty"
  "binary|$S/binary.txt|the scenario is empty"
  "include loop|$S/loop.txt|include depth exceeded (limit 8)"
  "device|/dev/zero|/dev/zero is not a regular file"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name file reason <<<"$c"
  run_tolva ZOLAN --headless --scenario "$file"
  [ "$RC" -ne 0 ] || fail "scenario $name: exit code 0"
  expect_in_file "$ERR" "Tolva: scenario $file not loaded: $reason"
  expect_not_in_file "$LOG" "Main_Menu_Screen: entry"
done
pass "unusable scenarios refuse the run with a reason"

printf '# Tolva Replay v1\n' > "$S/v1.rpl"
: > "$S/empty.rpl"
mkdir -p "$S/dir.rpl"
cases=(
  "missing|$S/missing.rpl|cannot be opened"
  "empty|$S/empty.rpl|is not a Tolva replay file"
  "version 1|$S/v1.rpl|is not a Tolva replay file"
  "folder|$S/dir.rpl|is not a regular file"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name file reason <<<"$c"
  run_tolva ZOLAN --headless --replay "$file"
  [ "$RC" -ne 0 ] || fail "replay $name: exit code 0"
  expect_in_file "$ERR" "Tolva: replay $file not played: $reason"
done
pass "unusable replays refuse the run with a reason"

# A recording of a minute with the pointer still and the quit key pressed in its sixth frame: its
# playback ends the game there, long before the last frame.
REC="$S/long.rpl"
{
  printf '# Tolva Replay v2\n# random_seed=1\n# frame_count=%-10u\n' 1000
  for i in $(seq 0 999); do
    if [ "$i" -eq 5 ]; then echo "$i,$((i * 55)),55,160,100,0,1,1,29041"; else echo "$i,$((i * 55)),55,160,100,0,0,0"; fi
  done
} > "$REC"
{
  printf '# Tolva Replay Log\n#\n'
  printf 'idx=%-6u t=%-8u  mouse=(%3d,%3d) btn=%d  key=%d sccc=0x%04X  dt=%u\n' 0 0 160 100 0 0 0 55
  printf 'idx=%-6u t=%-8u  mouse=(%3d,%3d) btn=%d  key=%d sccc=0x%04X  dt=%u\n' 5 275 160 100 0 1 29041 55
  printf 'idx=%-6u t=%-8u  mouse=(%3d,%3d) btn=%d  key=%d sccc=0x%04X  dt=%u\n' 6 330 160 100 0 0 0 55
} > "$S/long-RECORD.log"
run_tolva ZOLAN --headless --replay "$REC"
expect_rc 1
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
expect_not_in_file "$LOG" "PERFECT MATCH"
grep -Eq "=== REPLAY INCOMPLETE: stopped at frame [0-9]+ of 1000; [0-9]+ state changes compared, all identical. ===" "$LOG" ||
  fail "the comparison does not say the replay stopped early"
grep -Eq "^Tolva: replay $REC incomplete: stopped at frame [0-9]+ of 1000 after [0-9]+ matching state changes$" "$ERR" ||
  fail "standard error does not say the replay stopped early: $(cat "$ERR")"
pass "a replay stopped short of its 1000 frames is no match"

# The same file with its frame lines cut after the fifth, before the key: the playback stops at
# the first missing frame.
head -n 8 "$REC" > "$S/cut.rpl"
cp "$S/long-RECORD.log" "$S/cut-RECORD.log"
run_tolva ZOLAN --headless --replay "$S/cut.rpl"
expect_rc 1
expect_in_file "$S/cut-REPLAY.log" "PEEK FAIL: fgets returned NULL (frame_index=5"
expect_not_in_file "$LOG" "PERFECT MATCH"
expect_in_file "$ERR" "Tolva: replay $S/cut.rpl incomplete: stopped at frame 5 of 1000"
pass "a cut replay file is no match"

# 4,098 actions: the table holds 4,096; the cut is told with the line it happened at.
{ echo "wait_screen Main_Menu_Screen"; echo "key q"; for i in $(seq 1 4094); do echo "move 1 1"; done
  echo "move 2 2"; echo "move 3 3"; } > "$S/long_actions.txt"
run_tolva ZOLAN --headless --scenario "$S/long_actions.txt"
expect_in_file "$ERR" "Tolva: scenario $S/long_actions.txt cut at 4096 actions: the actions from $S/long_actions.txt:4097 on are not run"
expect_in_file "$LOG" "[Automation Driver] Scenario cut at 4096 actions: the actions from $S/long_actions.txt:4097 on are not run"
expect_in_file "$LOG" "[Automation Driver] Loaded 4096 actions"
pass "a scenario cut at 4096 actions says so"
