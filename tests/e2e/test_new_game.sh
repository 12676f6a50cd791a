#!/usr/bin/env bash
# New Game from the main menu through every set-up screen to the main screen of a new game saved
# as the continue game; the Myrran path to the second plane; a Myrran race refused without the
# retort; Escape on the options screen changing nothing; one seed, one new game.
source "$(dirname "$0")/lib.sh"
use_standin_data
cd "$TOLVA_SOURCE_DIR"

SAVE="$USER_DIR/SAVE9.GAM"
SET="$USER_DIR/RAROZ.SET"
scenario() { printf '%s\n' "$@" > "$E2E_TMP/scenario.txt"; }
# py EXPRESSION: evaluated with b the continue game's bytes, i16/u8 readers and the offsets.
py() {
  python3 - "$SAVE" "$1" <<'EOF'
import struct, sys
import save_layout
b = open(sys.argv[1], 'rb').read()
u8 = lambda o: b[o]
i16 = lambda o: struct.unpack_from('<h', b, o)[0]
PLAYERS, PLAYER, CITIES, CITY, FORTRESSES = (save_layout.PLAYERS, save_layout.PLAYER_SIZE, save_layout.CITIES,
    save_layout.CITY_SIZE, save_layout.FORTRESSES)
player = lambda p, o: PLAYERS + PLAYER * p + o
def capital(p):
    for c in range(i16(save_layout.CITY_COUNT)):
        if struct.unpack_from('<b', b, CITIES + CITY * c + 18)[0] == p:
            return CITIES + CITY * c
    return None
print(eval(sys.argv[2]))
EOF
}
expect_py() { [ "$(py "$1")" = "$2" ] || fail "$1 is $(py "$1"), expected $2"; }
fresh_user() { rm -rf "$USER_DIR"; rm -f "$TOLVA_DATA_DIR"/SAVE*.GAM; }

# The preset path: options, wizard, name, race, banner; the main screen follows.
fresh_user
run_tolva ZOLAN --headless --seed1 99 --scenario tests/scenarios/new_game_preset.txt
expect_rc 0
expect_in_file "$LOG" "[screen=105 MainScreen"
[ "$(stat -c %s "$SET")" -eq 466 ] || fail "RAROZ.SET is not 466 bytes"
[ "$(od -An -tu2 -j40 -N8 "$SET" | tr -s ' ')" = " 2 3 2 2" ] || fail "RAROZ.SET words 20..23: $(od -An -tu2 -j40 -N8 "$SET")"
[ "$(stat -c %s "$SAVE")" -eq 123300 ] || fail "SAVE9.GAM is not a saved game"
expect_py "i16(save_layout.TURN)" 0
expect_py "i16(save_layout.NUM_PLAYERS), i16(save_layout.LANDSIZE), i16(save_layout.MAGIC), i16(save_layout.DIFFICULTY)" "(4, 2, 2, 2)"
expect_py "u8(player(0, 0)), u8(player(0, 22))" "(4, 3)"
expect_py "[i16(player(0, 90 + 2 * r)) for r in range(5)]" "[0, 10, 0, 0, 0]"
expect_py "[u8(player(0, 100 + k)) for k in range(18)].index(1), sum(b[player(0, 100):player(0, 118)])" "(0, 1)"
expect_py "u8(capital(0) + 14)" 8
cp "$SAVE" "$E2E_TMP/seed99.gam"
pass "a preset wizard's new game is saved as the continue game and played on the main screen"

# The same seed gives the same game; another seed another.
fresh_user
run_tolva ZOLAN --headless --seed1 99 --scenario tests/scenarios/new_game_preset.txt
expect_rc 0
cmp -s "$SAVE" "$E2E_TMP/seed99.gam" || fail "one seed gave two new games"
fresh_user
run_tolva ZOLAN --headless --seed1 100 --scenario tests/scenarios/new_game_preset.txt
expect_rc 0
! cmp -s "$SAVE" "$E2E_TMP/seed99.gam" || fail "two seeds gave one new game"
pass "one seed, one new game"

# Sss'ra at Impossible against four: the fortress on the second plane, the capital of the race taken.
fresh_user
run_tolva ZOLAN --headless --scenario tests/scenarios/new_game_myrran.txt
expect_rc 0
expect_in_file "$LOG" "Newgame_Screen_6: race 1 (Beastmen)"
expect_in_file "$LOG" "Newgame_Control: new game written to SAVE9.GAM"
expect_py "i16(save_layout.NUM_PLAYERS), i16(save_layout.DIFFICULTY)" "(5, 4)"
expect_py "u8(FORTRESSES + 2), u8(capital(0) + 17), u8(capital(0) + 14)" "(1, 1, 1)"
expect_py "u8(player(0, 22))" 1
pass "a Myrran wizard starts on the second plane"

# Without the Myrran retort a Myrran race is refused; the next click takes the Barbarians.
fresh_user
scenario "wait_screen Main_Menu_Screen 10s" "wait 5f" "key n" "wait 20f" "click 280 186" "wait 20f" \
         "click 203 34" "wait 10f" "enter" "wait 10f" "click 240 150" "wait 10f" "enter" "wait 10f" \
         "click 240 41" "wait 15f" "click 240 60" "wait_screen Main_Screen 60s" "wait 10f" "enter" "wait 10f" \
         "quit"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Newgame_Screen_6: Beastmen refused without the Myrran retort"
expect_in_file "$LOG" "Newgame_Screen_6: race 0 (Barbarian)"
expect_py "u8(capital(0) + 14), u8(capital(0) + 17)" "(0, 0)"
pass "a Myrran race is refused without the retort"

# Escape on the options screen: back to the menu, RAROZ.SET and the continue game as they were.
cp "$SET" "$E2E_TMP/set.before"
cp "$SAVE" "$E2E_TMP/save.before"
scenario "wait_screen Main_Menu_Screen 10s" "wait 5f" "key n" "wait 20f" "click 280 45" "wait 10f" "escape" \
         "wait_screen Main_Menu_Screen 10s" "wait 5f" "key q"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "Newgame_Control: left to the main menu"
cmp -s "$SET" "$E2E_TMP/set.before" || fail "Escape changed RAROZ.SET"
cmp -s "$SAVE" "$E2E_TMP/save.before" || fail "Escape changed SAVE9.GAM"
pass "Escape on the options screen changes nothing"

# A continue file that cannot be written: the player is told, the menu comes back, and no older
# continue game is taken for the new one.
fresh_user
mkdir -p "$SAVE"
sed -e '/^wait_screen Main_Screen 60s$/,$d' tests/scenarios/new_game_preset.txt > "$E2E_TMP/unwritable.txt"
printf '%s\n' "wait_screen Main_Menu_Screen 60s" "wait 10f" "key q" >> "$E2E_TMP/unwritable.txt"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/unwritable.txt"
expect_rc 0
expect_in_file "$LOG" "Newgame_Control: the new game could not be written to SAVE9.GAM"
expect_not_in_file "$LOG" "[screen=105 MainScreen"
[ -d "$SAVE" ] || fail "SAVE9.GAM was replaced"
pass "an unwritable continue file leads back to the menu"

# A custom wizard: portrait and name, eleven Life books, the Life spells as preselected.
fresh_user
run_tolva ZOLAN --headless --scenario tests/scenarios/new_game_custom.txt
expect_rc 0
expect_in_file "$LOG" "Newgame_Screen_5: Life spells chosen"
expect_in_file "$LOG" "Newgame_Control: new game written to SAVE9.GAM"
expect_py "u8(player(0, 0)), b[player(0, 1):player(0, 7)], u8(player(0, 22))" "(0, b'Merlin', 0)"
expect_py "[i16(player(0, 90 + 2 * r)) for r in range(5)], sum(b[player(0, 100):player(0, 118)])" "([0, 0, 0, 11, 0], 0)"
pass "a custom wizard's new game"
