#!/usr/bin/env bash
# The information screens on the stand-in continue game: the Armies screen jumps to the human's
# lowest live unit; the cartographer (F2) shows the other plane with N and moves the map on a
# click; the historian (F4), the astrologer (F5) and the mirror (F9) close on a click; the advisor
# list (I) closes with Esc. Then the main menu's H shows the hall of fame, which a click closes
# and which writes nothing.
source "$(dirname "$0")/lib.sh"
use_standin_data

lowest=$(python3 - "$TOLVA_DATA_DIR/SAVE9.GAM" <<'PY'
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
count = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
print(next(u for u in range(count) if struct.unpack_from("<b", save, save_layout.unit(u) + save_layout.UNIT_OWNER)[0] == 0))
PY
)

printf '%s\n' "wait_screen Main_Screen 10s" "wait 5f" "key a" "wait_screen Armies_Screen 5s" "wait 5f" "click 86 32" \
  "wait_screen Main_Screen 5s" "wait 5f" "fkey 2" "wait 10f" "key n" "wait 5f" "click 100 100" "wait 10f" \
  "fkey 4" "wait 10f" "click 100 100" "wait 10f" "fkey 5" "wait 10f" "click 100 100" "wait 10f" \
  "fkey 9" "wait 10f" "click 100 100" "wait 10f" "key i" "wait 10f" "escape" "wait_screen Main_Screen 5s" \
  "wait 5f" "key g" "wait_screen Load_Screen 5s" "click 60 177" "wait_screen Main_Menu_Screen 5s" "key q" \
  > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "ArmyList_Screen: leaving to screen 105"
grep -qE "\[_unit ASSIGN\] -?[0-9]+ -> $lowest\$" "$LOG" || fail "the click on the first unit did not select unit $lowest"
expect_in_file "$LOG" "Cartographer_Screen: map moved to 21,18 plane"
for name in Powergraph_Screen Status_Screen Mirror_Screen; do expect_in_file "$LOG" "$name: closed"; done
expect_in_file "$LOG" "Advisor_Screen: advisor -1"
expect_not_in_file "$LOG" "ArmyList_Screen__STUB"
expect_not_in_file "$LOG" "Advisor_Screen__STUB"
expect_not_in_file "$LOG" "[FATAL"
expect_only_standin_compat_error "$LOG"
pass "the Armies screen, the cartographer, historian, astrologer, mirror and advisor list open and close"

cp "$USER_DIR/RAROZ.SET" "$E2E_TMP/before.set"
printf '%s\n' "wait_screen Main_Menu_Screen 10s" "key h" "wait_screen Hall_Of_Fame_Screen 5s" "wait 5f" \
  "click 100 100" "wait_screen Main_Menu_Screen 5s" "key q" > "$E2E_TMP/hall.txt"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/hall.txt"
expect_rc 0
expect_in_file "$LOG" "Hall_Of_Fame_Screen: shown"
expect_in_file "$LOG" "Hall_Of_Fame_Screen: closed"
expect_not_in_file "$LOG" "Hall_Of_Fame_Screen__STUB"
cmp -s "$E2E_TMP/before.set" "$USER_DIR/RAROZ.SET" || fail "the hall of fame changed RAROZ.SET"
pass "the main menu's H shows the hall of fame, which a click closes"
