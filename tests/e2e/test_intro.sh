#!/usr/bin/env bash
# The intro before the main menu: a run without ZOLAN plays the stand-in intro until a click ends
# it; with ZOLAN it is not played at all.
source "$(dirname "$0")/lib.sh"
use_standin_data

scenario() { printf '%s\n' "$@" > "$E2E_TMP/scenario.txt"; }

# The first input poll is the intro's first frame of part 0: the click hits the whole-screen field
# and ends the intro; the main menu then takes q.
scenario "click 10 10" "wait_screen Main_Menu_Screen" "key q"
run_tolva --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Draw_Logos: intro starts"
expect_in_file "$LOG" "-> hits field[1] rect=(0,0)-(319,199)"
expect_in_file "$LOG" "Draw_Logos: skipped in part 0"
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
pass "a click in part 0 ends the intro and the main menu takes the next key"

# Esc also ends it.
scenario "escape" "wait_screen Main_Menu_Screen" "key q"
run_tolva --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Draw_Logos: skipped in part 0"
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
pass "Esc ends the intro"

# With ZOLAN no intro plays.
scenario "wait_screen Main_Menu_Screen" "key q"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_not_in_file "$LOG" "Draw_Logos"
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
pass "with ZOLAN no intro plays"

# The stand-in intro is a few title cards that end by themselves within 15 seconds: a key sent at
# 15 s already reaches the main menu.
scenario "wait 15s" "key q"
run_tolva --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Draw_Logos: intro ended"
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
pass "the stand-in intro ends by itself within 15 seconds"
