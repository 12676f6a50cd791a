#!/usr/bin/env bash
# A scenario opens both notifications on the PoC screen headless: the centred one closed by a
# key, the one beside the mascot closed by a click. A fresh game has no spellbooks, so both show
# the mascot of realm 3.
source "$(dirname "$0")/lib.sh"
use_standin_data
cd "$TOLVA_SOURCE_DIR"

run_tolva ZOLAN --headless --screen PoC_Screen --scenario tests/scenarios/poc_notify.txt
expect_rc 0
expect_in_file "$LOG" "[Automation Driver] Loaded 13 actions"
expect_in_file "$LOG" "Notification box 1: type 0, mascot 2 at (61, 60)"
expect_in_file "$LOG" "Notification box 2: type 1, mascot 2 at (28, 60)"
[ "$(grep -cF "[PoC] notification closed" "$LOG")" -eq 2 ] || fail "both notifications should close"
expect_in_file "$LOG" "[Automation Driver] Scenario complete (13 actions)"
expect_not_in_file "$LOG" "[WARN ] [INPUT"
pass "both notifications on the PoC screen"
