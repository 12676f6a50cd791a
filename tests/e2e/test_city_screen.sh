#!/usr/bin/env bash
# The city screen of the human's capital, opened by a right click on it on the main screen: the
# production row opens its breakdown, which a click closes; Change opens the production screen,
# where a second click on its third building chooses it; Buy pays for the rest of it; O returns to the map.
# The choices are read from the continue game that the load screen's Quit writes.
source "$(dirname "$0")/lib.sh"
use_standin_data

# The capital, Avaran, stands at the centre of the map window of the continue game.
printf '%s\n' "wait_screen Main_Screen 10s" "wait 10f" "rclick 130 119" "wait_screen City_Screen 5s" "wait 10f" \
  "click 100 63" "wait 10f" "click 300 5" "wait 10f" "key c" "wait 20f" \
  "click 30 37" "wait 5f" "click 30 37" "wait 20f" "key b" "wait 10f" "key y" \
  "wait 10f" "key o" "wait_screen Main_Screen 5s" "wait 5f" "key g" "wait_screen Load_Screen 5s" "wait 5f" \
  "click 60 177" "wait_screen Main_Menu_Screen 5s" "key q" > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
grep -q "screen=100 City" "$LOG" || fail "the city screen never ran"
grep -q "rect=(0,0)-(319,199)" "$LOG" || fail "the breakdown's closing field was never hit"

i16() { od -An -td2 -v -j "$2" -N 2 "$1" | tr -d ' '; }
CITY0=35500
PLAYER0=2536
before="$TOLVA_DATA_DIR/SAVE9.GAM"
after="$USER_DIR/SAVE9.GAM"
[ -f "$after" ] || after="$TOLVA_DATA_DIR/SAVE9.GAM"
[ "$after" != "$before" ] || fail "no continue game was written"
product=$(i16 "$after" $((CITY0 + 28)))
[ "$product" -ge 3 ] && [ "$product" -lt 100 ] || fail "the product is $product, not a building"
[ "$product" != "$(i16 "$before" $((CITY0 + 28)))" ] || fail "the product did not change"
accu0=$(i16 "$before" $((CITY0 + 94)))
accu1=$(i16 "$after" $((CITY0 + 94)))
gold0=$(i16 "$before" $((PLAYER0 + 854)))
gold1=$(i16 "$after" $((PLAYER0 + 854)))
[ "$accu1" -gt "$accu0" ] || fail "buying put in no production ($accu0 -> $accu1)"
paid=$((gold0 - gold1))
bought=$((accu1 - accu0))
[ "$paid" -eq $((4 * bought)) ] || [ "$paid" -eq $((3 * bought)) ] || [ "$paid" -eq $((2 * bought)) ] ||
  fail "paid $paid gold for $bought production"
pass "right click opens the capital; breakdown, change of product, buying and O work; the game keeps them"
