#!/usr/bin/env bash
# User files are seeded from the installation without overwriting; --orig-files backs up and re-copies.
source "$(dirname "$0")/lib.sh"

use_standin_data
printf 'original save two' > "$TOLVA_DATA_DIR/SAVE2.GAM"
run_tolva ZOLAN --headless
expect_rc 0
[ -f "$USER_DIR/CONFIG.KEL" ] || fail "CONFIG.KEL not seeded"
cmp -s "$USER_DIR/SAVE2.GAM" "$TOLVA_DATA_DIR/SAVE2.GAM" || fail "SAVE2.GAM not seeded"
[ -f "$USER_DIR/RAROZ.SET" ] || fail "RAROZ.SET missing after start-up"
[ "$(stat -c %s "$USER_DIR/RAROZ.SET")" -eq 466 ] || fail "RAROZ.SET is not 466 bytes"
ls "$USER_DIR"/*.tmp >/dev/null 2>&1 && fail "temporary files left behind"
expect_in_file "$LOG" "STU_GRAF: seeded user copy of 'SAVE2.GAM'"
pass "first run seeds the user files"

printf 'played since' > "$USER_DIR/SAVE2.GAM"
run_tolva ZOLAN --headless
expect_rc 0
[ "$(cat "$USER_DIR/SAVE2.GAM")" = "played since" ] || fail "seeding overwrote an existing user copy"
pass "seeding never overwrites"

run_tolva ZOLAN --headless --orig-files
expect_rc 0
cmp -s "$USER_DIR/SAVE2.GAM" "$TOLVA_DATA_DIR/SAVE2.GAM" || fail "--orig-files did not re-copy SAVE2.GAM"
backup=$(ls -d "$USER_DIR"/backup-* | head -n 1)
[ -n "$backup" ] || fail "no backup folder"
[ "$(cat "$backup/SAVE2.GAM")" = "played since" ] || fail "backup does not hold the user's copy"
grep -Eq "^Tolva: --orig-files re-copied [0-9]+ file\(s\) from your original Velmora$" "$ERR" || fail "re-seed message missing"
expect_in_file "$ERR" "       data; any existing copies were backed up to '$(basename "$backup")/' in your Tolva"
pass "--orig-files backs up and re-copies"
