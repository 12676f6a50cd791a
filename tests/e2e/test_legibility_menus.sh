#!/usr/bin/env bash
# Text on the stand-in data is legible and inside its panels on the main menu and the new-game
# screens (see legibility_lib.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/legibility_lib.sh"

shot main_menu - -- "wait_screen Main_Menu_Screen" "wait 150f" "exit:key q"
# The new-game screens: options, wizard list, custom picks (eleven Life books), Life spells, the
# race screen's warning for a Myrran race, the banner screen; Esc leads back screen by screen.
NEW=("wait_screen Main_Menu_Screen" "wait 5f" "key n" "wait 20f")
shot options - -- "${NEW[@]}" "exit:escape" "exit:wait 20f" "exit:key q"
NEW+=("click 280 45" "wait 10f" "click 280 186" "wait 20f")
shot wizard - -- "${NEW[@]}" "exit:escape" "exit:wait 10f" "exit:escape" "exit:wait 20f" "exit:key q"
NEW+=("click 280 188" "wait 10f" "click 200 34" "wait 10f" "enter" "wait 10f")
shot picks - -- "${NEW[@]}" "click 280 58" "wait 10f" "exit:escape" "exit:wait 10f" "exit:escape" "exit:wait 10f" \
  "exit:escape" "exit:wait 10f" "exit:escape" "exit:wait 20f" "exit:key q"
NEW+=("click 280 58" "wait 10f" "click 266 188" "wait 20f")
shot spell_picks - -- "${NEW[@]}" "exit:quit"
NEW+=("click 266 188" "wait 20f")
shot warning - -- "${NEW[@]}" "click 240 150" "wait 10f" "exit:key x" "exit:wait 10f" "exit:quit"
NEW+=("click 240 41" "wait 15f")
shot banner - -- "${NEW[@]}" "exit:quit"
[ "$FAILED" -eq 0 ] || fail "text illegible or outside its panel on the screens above"
