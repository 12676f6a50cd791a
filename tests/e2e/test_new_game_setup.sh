#!/usr/bin/env bash
# The players' first values in the continue game that New Game writes: relations, casting skill,
# shares, characters, summoning circles, the Spell of Mastery's cost, heroes, items and events,
# each checked from the saved image (new_game_setup_check.py) at two difficulties.
source "$(dirname "$0")/lib.sh"
use_standin_data
cd "$TOLVA_SOURCE_DIR"

CHECK="$(dirname "$0")/new_game_setup_check.py"
SAVE="$USER_DIR/SAVE9.GAM"

# new_game SCENARIO SEED: plays the new-game screens from a fresh user folder; SAVE9.GAM is the game.
new_game() {
  rm -rf "$USER_DIR"
  rm -f "$TOLVA_DATA_DIR"/SAVE*.GAM
  run_tolva ZOLAN --headless --seed1 "$2" --scenario "$1"
  expect_rc 0
  [ -f "$SAVE" ] && [ "$(stat -c %s "$SAVE")" -eq 123300 ] || fail "no new game was saved as SAVE9.GAM"
}

check() {  # check WHAT
  python3 "$CHECK" "$SAVE" "$TOLVA_DATA_DIR" >"$E2E_TMP/check.out" ||
    { cat "$E2E_TMP/check.out" >&2; fail "$1: the players' set-up breaks its rules"; }
}

new_game tests/scenarios/new_game_preset.txt 99
check "Normal, three opponents"
pass "a new game at Normal against three sets up every wizard, hero, item and event"

new_game tests/scenarios/new_game_myrran.txt 7
check "Impossible, four opponents"
pass "a new game at Impossible against four sets up every wizard, hero, item and event"
