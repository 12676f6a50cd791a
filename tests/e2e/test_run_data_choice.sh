#!/usr/bin/env bash
# run.sh's choice of game data (tools/choose-data-dir.sh): it says which folder is used and why,
# warns when the TOLVA_DATA_DIR given does not exist or lacks an indispensable archive, and falls
# back to the stand-in data only when the program's own search finds nothing.
source "$(dirname "$0")/lib.sh"
HELPER="$(dirname "$TOLVA_BIN")/tolva_data_dir"
source "${TOLVA_SOURCE_DIR:?}/tools/choose-data-dir.sh"
cd "$E2E_TMP"
STANDIN="$TOLVA_STANDIN_DIR"

choose() {
  (
    [ "$1" = unset ] && unset TOLVA_DATA_DIR || export TOLVA_DATA_DIR="$1"
    choose_data_dir "$HELPER" "$STANDIN" 2>"$E2E_TMP/said"
    echo "${TOLVA_DATA_DIR:-}" >"$E2E_TMP/chosen"
  )
  CHOSEN=$(cat "$E2E_TMP/chosen")
}

choose "$E2E_TMP/nowhere"
expect_in_file "$E2E_TMP/said" "Warning: TOLVA_DATA_DIR=$E2E_TMP/nowhere does not exist; it is not used."
expect_in_file "$E2E_TMP/said" "No Velmora installation found: using the stand-in data in $STANDIN"
[ "$CHOSEN" = "$STANDIN" ] || fail "a missing TOLVA_DATA_DIR gave '$CHOSEN'"
pass "a TOLVA_DATA_DIR that does not exist: warned, and the stand-in data used with the reason"

mkdir -p "$E2E_TMP/partial"
cp "$STANDIN/FONTS.LBX" "$STANDIN/WIZARDS.LBX" "$E2E_TMP/partial/"
choose "$E2E_TMP/partial"
expect_in_file "$E2E_TMP/said" "Warning: TOLVA_DATA_DIR=$E2E_TMP/partial lacks MAINSCRN.LBX SPELLDAT.LBX; the game cannot start on it."
expect_in_file "$E2E_TMP/said" "Using the game data in $E2E_TMP/partial (TOLVA_DATA_DIR)."
pass "a TOLVA_DATA_DIR without every indispensable archive: warned, naming the missing ones"

use_standin_data
choose "$TOLVA_DATA_DIR"
[ "$(cat "$E2E_TMP/said")" = "Using the game data in $TOLVA_DATA_DIR (TOLVA_DATA_DIR)." ] || fail "said: $(cat "$E2E_TMP/said")"
pass "a good TOLVA_DATA_DIR: used, with no warning"

installed="$TOLVA_DATA_DIR"
mkdir -p "$CONFIG_DIR"
printf '[Paths]\ngame_data = "%s"\n' "$installed" >"$CONFIG_DIR/Tolva.ini"
choose unset
expect_in_file "$E2E_TMP/said" "Using the game data in $installed (found by the game's search"
expect_not_in_file "$E2E_TMP/said" "Warning"
[ -z "$CHOSEN" ] || fail "the stand-in data replaced the installation"
pass "no TOLVA_DATA_DIR: the folder of the game's own search, and why"
