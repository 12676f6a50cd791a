#!/usr/bin/env bash
# The surveyor from the main screen's F1: P shows the other plane, C returns to the main
# screen on the plane shown before.
source "$(dirname "$0")/lib.sh"
use_standin_data

printf '%s\n' "wait_screen Main_Screen" "fkey 1" "wait 5f" "move 100 100" "wait 3f" \
  "key p" "wait 5f" "key c" "wait_screen Main_Screen" "wait 3f" "key g" "wait_screen Load_Screen" "click 60 177" \
  "wait_screen Main_Menu_Screen" "key q" > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Advisor_Screen: advisor 0"
opened=$(grep -o "Surveyor_Screen: opened on plane [01]" "$LOG" | head -1 | grep -o "[01]$")
[ -n "$opened" ] || fail "the surveyor did not open"
other=$((1 - opened))
expect_in_file "$LOG" "Surveyor_Screen: plane $other shown"
expect_in_file "$LOG" "Surveyor_Screen: back to the main screen on plane $opened"
expect_not_in_file "$LOG" "[FATAL"
pass "F1 opens the surveyor, P switches the plane, C returns on the plane shown before"
