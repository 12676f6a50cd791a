#!/usr/bin/env bash
# Text on the stand-in data is legible and inside its panels on the screens of the game proper
# and the settings screen (see legibility_lib.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/legibility_lib.sh"

# The game proper on the fixture games.
shot main_screen CAPITAL_UNITS.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "exit:quit"
shot city CAPITAL_HOUSING.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "rclick 130 119" \
  "wait_screen City_Screen 5s" "wait 10f" "exit:key o" "exit:wait_screen Main_Screen 5s" "exit:quit"
shot production CAPITAL_HOUSING.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "rclick 130 119" \
  "wait_screen City_Screen 5s" "wait 10f" "key c" "wait 20f" "exit:key o" "exit:wait 10f" "exit:key o" \
  "exit:wait_screen Main_Screen 5s" "exit:quit"
shot unit_view CAPITAL_UNITS.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "rclick 170 101" "wait 10f" \
  "rclick 256 90" "wait 10f" "exit:escape" "exit:wait 10f" "exit:quit"
shot surveyor CAPITAL_UNITS.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "fkey 1" \
  "wait 10f" "key p" "wait 5f" "exit:key c" "exit:wait_screen Main_Screen 5s" "exit:quit"
shot city_list TWENTY_CITIES.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "click 160 10" \
  "wait_screen Cities_Screen 5s" "wait 5f" "exit:key o" "exit:wait_screen Main_Screen 5s" "exit:quit"

# The settings screen, from the load screen of the main menu.
shot settings - -- "wait_screen Main_Menu_Screen" "key l" "wait 20f" "click 200 177" "wait 30f" "exit:quit"

[ "$FAILED" -eq 0 ] || fail "text illegible or outside its panel on the screens above"
