#!/usr/bin/env bash
# The settings screen, reached through the load screen's Settings button: a toggled option is
# written to RAROZ.SET by OK and kept out of the file by Esc.
source "$(dirname "$0")/lib.sh"
use_standin_data

word() { python3 -c "import struct,sys; b=open(sys.argv[1],'rb').read(); print(struct.unpack_from('<H', b, 2*int(sys.argv[2]))[0])" "$1" "$2"; }
SET="$USER_DIR/RAROZ.SET"

# Load (a saved game 1 to 8 exists), Settings, flip "Sound Effects" and "Movement Animations",
# OK, back on the load screen Esc, then quit from the menu.
printf '%s\n' "wait_screen Main_Menu_Screen" "key l" "wait_screen Load_Screen" "wait 3f" "click 200 177" "wait 5f" \
  "click 100 57" "wait 5f" "click 250 78" "wait 5f" "click 285 182" "wait 5f" "wait_screen Load_Screen" "escape" \
  "wait_screen Main_Menu_Screen" "key q" > "$E2E_TMP/ok.txt"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/ok.txt"
expect_rc 0
expect_in_file "$LOG" "Main_Menu_Screen: entry 1 chosen, next screen 11"
[ "$(word "$SET" 0)" -eq 0 ] || fail "Sound Effects not written off: $(word "$SET" 0)"
[ "$(word "$SET" 112)" -eq 0 ] || fail "Movement Animations not written off: $(word "$SET" 112)"
[ "$(word "$SET" 1)" -eq 1 ] || fail "Background Music changed"
expect_in_file "$LOG" "Settings_Screen: OK; RAROZ.SET written"
pass "OK writes the flipped options"

# Esc leaves the file as it was.
cp "$SET" "$E2E_TMP/before.set"
sed -e 's/click 285 182/escape/' "$E2E_TMP/ok.txt" > "$E2E_TMP/esc.txt"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/esc.txt"
expect_rc 0
expect_in_file "$LOG" "Settings_Screen: \"Sound Effects\" is now 1"
expect_not_in_file "$LOG" "Settings_Screen: OK"
# Start-up and the menu rewrite the same record; only the settings screen's flips would differ.
cmp -s "$SET" "$E2E_TMP/before.set" || fail "Esc changed RAROZ.SET"
pass "Esc keeps the file unchanged"
