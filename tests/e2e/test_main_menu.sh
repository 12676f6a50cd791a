#!/usr/bin/env bash
# The main menu driven by scenarios: quitting writes the default RAROZ.SET; the entries follow
# the saved games in the user folder; a wrong-sized RAROZ.SET is replaced by the defaults; an
# unattended headless run ends by itself.
source "$(dirname "$0")/lib.sh"
use_standin_data

scenario() { printf '%s\n' "$@" > "$E2E_TMP/scenario.txt"; }
word() { python3 -c "import struct,sys; b=open(sys.argv[1],'rb').read(); print(struct.unpack_from('<H', b, 2*int(sys.argv[2]))[0])" "$1" "$2"; }

# Fresh user folder: q on the menu quits, and the settings file holds the defaults.
scenario "wait_screen Main_Menu_Screen" "key q"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
SET="$USER_DIR/RAROZ.SET"
[ "$(stat -c %s "$SET")" -eq 466 ] || fail "RAROZ.SET is $(stat -c %s "$SET") bytes"
for n in 0 1 2 3 4 5 6 7 8 9; do [ "$(word "$SET" $n)" -eq 1 ] || fail "word $n is $(word "$SET" $n)"; done
[ "$(word "$SET" 10)" -eq 0 ] || fail "word 10"
[ "$(word "$SET" 18)" -eq 2 ] || fail "word 18"
[ "$(word "$SET" 21)" -eq 4 ] || fail "word 21"
[ "$(word "$SET" 112)" -eq 1 ] || fail "word 112"
pass "q quits from a fresh user folder and RAROZ.SET holds the defaults"

# A 465-byte settings file is replaced by the defaults.
head -c 465 /dev/zero > "$SET"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
[ "$(stat -c %s "$SET")" -eq 466 ] && [ "$(word "$SET" 21)" -eq 4 ] || fail "465-byte RAROZ.SET not replaced"
pass "a 465-byte RAROZ.SET becomes the defaults"

# Only the continue game: Continue sits in Load's place and leads to the continue screen and a
# loaded game; the main screen's Game button and the load screen's Quit return to the menu.
rm -f "$TOLVA_DATA_DIR"/SAVE[1-8].GAM "$USER_DIR"/SAVE[1-8].GAM
[ -f "$USER_DIR/SAVE9.GAM" ] || cp "$TOLVA_DATA_DIR/SAVE9.GAM" "$USER_DIR/"
scenario "wait_screen Main_Menu_Screen" "click 150 155" "wait_screen Main_Screen" "key g" \
         "wait_screen Load_Screen" "click 60 177" "wait_screen Main_Menu_Screen" "key q"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "-> hits field[1] rect=(108,150)-(211,161)"
expect_in_file "$LOG" "Main_Menu_Screen: entry 0 chosen, next screen 10"
expect_in_file "$LOG" "[screen=105 MainScreen"
expect_in_file "$LOG" "Screen_Control: world records reset for a new game"
pass "Continue in Load's place leads to the continue screen"

# No saved game at all: c does nothing; New Game, Hall of Fame and Quit remain.
rm -f "$TOLVA_DATA_DIR"/SAVE*.GAM "$USER_DIR"/SAVE*.GAM
scenario "wait_screen Main_Menu_Screen" "key c" "wait 5f" "key h" "wait_screen Main_Menu_Screen" "key q"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_not_in_file "$LOG" "entry 0 chosen"
expect_in_file "$LOG" "Main_Menu_Screen: entry 4 chosen, next screen 14"
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
pass "without saved games c does nothing"

# Headless with nothing driving it: the idle menu ends the run.
run_tolva ZOLAN --headless
expect_rc 0
expect_in_file "$LOG" "Main_Menu_Screen: unattended headless run; quitting"
pass "an unattended headless run ends"
