#!/usr/bin/env bash
# Text on the stand-in data is legible on every screen a new player meets: each screen is captured
# (--capture) and legibility_check.py measures, on the frame shown before the scenario's marker,
# the contrast of each text against its background (at least 4.5:1) and that no text of a panel
# shows past the panel's edges. TOLVA_KEEP_CAPTURE=folder keeps each checked frame as a PNG.
source "$(dirname "$0")/lib.sh"
use_standin_data
mkdir -p "$CONFIG_DIR" "$USER_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
CHECK="$(dirname "$0")/legibility_check.py"
PNG_DIR="${TOLVA_KEEP_CAPTURE:-$E2E_TMP}"
mkdir -p "$PNG_DIR"
FAILED=0

# shot SCREEN FIXTURE-OR-- ARGS... -- SCENARIO LINES...: the lines reach the screen; the pointer
# is parked in the bottom-right corner, the screen shown for 25 frames, the marker given, and the
# lines after the marker (given as "exit:LINE") leave.
shot() {
  local screen="$1" fixture="$2"
  shift 2
  local args=()
  while [ "$1" != "--" ]; do args+=("$1"); shift; done
  shift
  local lines=() exits=()
  for line in "$@"; do
    case "$line" in
      exit:*) exits+=("${line#exit:}") ;;
      *) lines+=("$line") ;;
    esac
  done
  if [ "$fixture" != "-" ]; then cp "$TOLVA_DATA_DIR/fixtures/$fixture" "$USER_DIR/SAVE9.GAM"; fi
  printf '%s\n' "${lines[@]}" "move 318 198" "wait 25f" "move 317 198" "wait 5f" "${exits[@]}" > "$E2E_TMP/scenario.txt"
  rm -rf "$E2E_TMP/cap"
  run_tolva ZOLAN --headless "${args[@]}" --capture "$E2E_TMP/cap" --capture-fps 20 --scenario "$E2E_TMP/scenario.txt"
  expect_rc 0
  if python3 "$CHECK" "$screen" "$E2E_TMP/cap" "$LOG" "$PNG_DIR/$screen.png"; then
    pass "$screen: text legible and inside its panels"
  else
    FAILED=1
  fi
}

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
# The game proper on the fixture games.
shot main_screen CAPITAL_UNITS.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "exit:quit"
shot city CAPITAL_HOUSING.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "rclick 130 119" \
  "wait_screen City_Screen 5s" "wait 10f" "exit:key o" "exit:wait_screen Main_Screen 5s" "exit:quit"
shot production CAPITAL_HOUSING.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "rclick 130 119" \
  "wait_screen City_Screen 5s" "wait 10f" "key c" "wait 20f" "exit:key o" "exit:wait 10f" "exit:key o" \
  "exit:wait_screen Main_Screen 5s" "exit:quit"
shot unit_view CAPITAL_UNITS.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "rclick 170 101" "wait 10f" \
  "rclick 256 90" "wait 10f" "exit:escape" "exit:wait 10f" "exit:quit"
shot surveyor CAPITAL_UNITS.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "key i" \
  "wait_screen Advisor_Screen 5s" "wait 5f" "key p" "wait 5f" "exit:key c" "exit:wait_screen Main_Screen 5s" "exit:quit"
shot city_list TWENTY_CITIES.GAM --continue -- "wait_screen Main_Screen 10s" "wait 10f" "click 160 10" \
  "wait_screen Cities_Screen 5s" "wait 5f" "exit:key o" "exit:wait_screen Main_Screen 5s" "exit:quit"
shot settings - -- "wait_screen Main_Menu_Screen" "key l" "wait 20f" "click 200 177" "wait 30f" "exit:quit"

[ "$FAILED" -eq 0 ] || fail "text illegible or outside its panel on the screens above"
