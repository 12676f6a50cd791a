#!/usr/bin/env bash
# Without the game data the program says what is missing and exits 1, headless without a box.
source "$(dirname "$0")/lib.sh"

use_empty_data
run_tolva ZOLAN --headless
expect_rc 1
expect_in_file "$ERR" "Tolva - Missing Game Data"
expect_in_file "$ERR" "Missing: FONTS.LBX, MAINSCRN.LBX, WIZARDS.LBX, SPELLDAT.LBX"
expect_in_file "$ERR" "See PLAYING.md for details."
grep -Eq '^\[[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z\] \[ERROR\] \[GENERAL {16}\] Tolva_Init\.cpp:[0-9]+ Tolva_Preflight_Game_Data: Preflight: missing game data: FONTS\.LBX, MAINSCRN\.LBX, WIZARDS\.LBX, SPELLDAT\.LBX' "$LOG" \
  || fail "preflight ERROR line missing or malformed in $LOG"
pass "missing data gives exit 1 and names the archives"

# One indispensable archive missing: only it is named.
use_standin_data
rm -f "$TOLVA_DATA_DIR/WIZARDS.LBX"
run_tolva ZOLAN --headless
expect_rc 1
expect_in_file "$ERR" "Missing: WIZARDS.LBX"
expect_not_in_file "$ERR" "FONTS.LBX"
pass "a single missing archive is named alone"

# A lower-case file name is found.
use_standin_data
mv "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$TOLVA_DATA_DIR/spelldat.lbx"
run_tolva ZOLAN --headless
expect_rc 0
pass "archives are found without regard to case"
