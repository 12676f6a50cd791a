#!/usr/bin/env bash
# A scenario drives the PoC screen headless: a confirmation box answered Yes by a click on its
# button, "Hi 5" typed into the text field, the help of the help area, and the end of the run.
source "$(dirname "$0")/lib.sh"
use_standin_data
cd "$TOLVA_SOURCE_DIR"

run_tolva ZOLAN --headless --screen PoC_Screen --scenario tests/scenarios/poc_confirm_type_help.txt
expect_rc 0
expect_in_file "$LOG" "[Automation Driver] Loaded 8 alias points from tools/fields/alias_points.fwv"
expect_in_file "$LOG" "[Automation Driver] Loaded 18 actions"
expect_in_file "$LOG" "click (30, 46)"
expect_in_file "$LOG" "-> hits field[1] rect=(20,40)-(81,53) type=0 selectable=0"
expect_in_file "$LOG" "-> hits field[1] rect=(169,103)-(230,116) type=0 selectable=0"
expect_in_file "$LOG" "[PoC] confirmation answer 1"
expect_in_file "$LOG" "-> hits field[2] rect=(20,90)-(160,100) type=4 selectable=0"
expect_in_file "$LOG" "key 'H' (packed=0x00014868)"
expect_in_file "$LOG" "key '5' (packed=0x00003520)"
expect_in_file "$LOG" "[PoC] text field: \"Hi 5\""
expect_in_file "$LOG" "rclick (250, 150)"
expect_in_file "$LOG" "Help pop-up: record 0, 1 record(s) in its topic"
expect_in_file "$LOG" "[Automation Driver] Scenario complete (18 actions)"
expect_in_file "$LOG" "[PoC] leaving with text field \"Hi 5\""
pass "scenario on the PoC screen"

# A scenario that cannot be loaded is reported and the run refused.
printf 'include missing.txt\n' > "$E2E_TMP/bad.txt"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/bad.txt"
expect_rc 1
expect_in_file "$LOG" "[Automation Driver] Could not open scenario: $E2E_TMP/missing.txt"
expect_in_file "$ERR" "Tolva: scenario $E2E_TMP/bad.txt not loaded: could not open $E2E_TMP/missing.txt"
expect_not_in_file "$LOG" "Loaded 0 actions"
pass "a failed load is reported and the run refused"
