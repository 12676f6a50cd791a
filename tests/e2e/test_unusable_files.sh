#!/usr/bin/env bash
# Files that are no saved game at all: a device named by --load ends the run at once with exit 1
# and a line on standard error; a saved game one byte too large is refused without reading on.
source "$(dirname "$0")/lib.sh"
use_standin_data

start=$(date +%s)
run_tolva ZOLAN --headless --load /dev/zero
expect_rc 1
[ $(( $(date +%s) - start )) -le 5 ] || fail "--load /dev/zero took more than 5 s"
expect_in_file "$ERR" "/dev/zero"
expect_in_file "$ERR" "not a regular file"
pass "--load /dev/zero exits 1 at once"

printf 'quit\n' > "$E2E_TMP/quit.txt"
{ cat "$TOLVA_DATA_DIR/SAVE1.GAM"; printf 'x'; } > "$E2E_TMP/large.gam"
run_tolva ZOLAN --headless --load "$E2E_TMP/large.gam" --scenario "$E2E_TMP/quit.txt"
expect_rc 0
expect_in_file "$LOG" "larger than 123300 bytes"
pass "a saved game one byte too large is refused"

# Absent saved games are the usual case: one INFO line lists them, no WARN per slot.
run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
grep -q "WARN.*SAVE[0-9]\.GAM" "$LOG" && fail "a WARN names an absent saved game"
expect_in_file "$LOG" "Main_Menu_Find_Saved_Games: no saved game in SAVE2.GAM SAVE3.GAM"
pass "absent saved games are listed in one INFO line"
