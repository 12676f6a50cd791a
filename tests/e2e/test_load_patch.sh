#!/usr/bin/env bash
# --load with --patch: the stand-in early game loads, the test hook prepares it, and the
# guarded pool and the world checks stay quiet.
source "$(dirname "$0")/lib.sh"

use_standin_data
printf 'quit\n' > "$E2E_TMP/quit.txt"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --load "$TOLVA_DATA_DIR/SAVE1.GAM" --patch som_casting \
  --scenario "$E2E_TMP/quit.txt"
expect_rc 0
expect_in_file "$LOG" "[TST] applying scenario patch 'som_casting'"
expect_in_file "$LOG" "[TST] scenario 'som_casting': player 0 mid-cast on Spell of Mastery"
expect_not_in_file "$LOG" "[INTEGRITY]"
pass "a loaded game is patched with no integrity report"

# A damaged file named by --load is refused and the run goes on to the main menu.
head -c 1000 "$TOLVA_DATA_DIR/SAVE1.GAM" > "$E2E_TMP/short.gam"
run_tolva ZOLAN --headless --load "$E2E_TMP/short.gam" --scenario "$E2E_TMP/quit.txt"
expect_rc 0
expect_not_in_file "$LOG" "[TST]"
grep -q "1000" "$ERR" || fail "the refusal does not say why: $(cat "$ERR")"
pass "a damaged saved game is refused without ending the program"
