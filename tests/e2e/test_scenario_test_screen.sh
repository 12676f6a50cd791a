#!/usr/bin/env bash
# A scenario drives the Test screen headless: the scroll bar, the grid and the list picker.
source "$(dirname "$0")/lib.sh"
use_standin_data
cd "$TOLVA_SOURCE_DIR"

run_tolva ZOLAN --headless --screen Test_Screen --scenario tests/scenarios/test_screen_list.txt
expect_rc 0
expect_in_file "$LOG" "[Tolva] CLI: --screen \"Test_Screen\" (200)"
expect_in_file "$LOG" "-> hits field[1] rect=(20,40)-(220,48) type=6 selectable=0"
expect_in_file "$LOG" "-> hits field[2] rect=(20,70)-(99,129) type=12 selectable=0"
expect_in_file "$LOG" "-> hits field[2] rect=(200,73)-(280,81) type=10 selectable=1"
expect_in_file "$LOG" "[Test] list choice 1"
expect_in_file "$LOG" "[Automation Driver] Scenario complete (10 actions)"
pass "scenario on the Test screen"
