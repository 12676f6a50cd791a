#!/usr/bin/env bash
# The main screen's game buttons and keys lead to their screens: Cities by its button (it has no
# key; O leaves the list), Armies and Magic (O leaves each) and Info by their keys, Spells by a
# click; the screens not built yet come back to the main screen, and Game opens the load screen,
# whose Quit returns to the main menu. A right click on the map changes no screen, nor does a
# declined site. Info opens the advisor list, which Esc closes.
source "$(dirname "$0")/lib.sh"
use_standin_data

steps=("wait_screen Main_Screen")
for action in "click 160 10" "key a" "key m" "key i" "click 65 10"; do
  steps+=("$action" "wait 10f")
  [ "$action" = "key i" ] && steps+=("escape")
  [ "$action" = "key m" ] && steps+=("wait_screen Magic_Screen" "key o")
  [ "$action" = "key a" ] && steps+=("wait_screen Armies_Screen" "key o")
  [ "$action" = "click 160 10" ] && steps+=("wait_screen Cities_Screen" "key o")
  steps+=("wait_screen Main_Screen")
done
# The left key walks the resumed stack onto a site, whose question Esc declines.
steps+=("rclick 120 100" "wait 5f" "left" "wait 5f" "escape" "upright" "wait 5f" "key g" "wait_screen Load_Screen" "click 60 177"
  "wait_screen Main_Menu_Screen" "key q")
printf '%s\n' "${steps[@]}" > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "CityList_Screen: leaving to screen 105"
expect_in_file "$LOG" "Magic_Screen: leaving to screen 105"
expect_in_file "$LOG" "ArmyList_Screen: leaving to screen 105"
expect_in_file "$LOG" "Advisor_Screen: advisor -1"
expect_in_file "$LOG" "[screen=11 Load"
expect_only_standin_compat_error "$LOG"
expect_not_in_file "$LOG" "[FATAL"
pass "the game buttons and keys lead to their screens and back"
