#!/usr/bin/env bash
# The overland target screen: the stand-in SAVE1.GAM with every human unit on patrol and finished and
# Earth Lore (spell 10, any square) paid in full. The end of turn opens the target screen; a click
# on the map cell (6, 4) picks its square, the spell takes effect and the casting fields are
# cleared.
source "$(dirname "$0")/lib.sh"
use_standin_data

mkdir -p "$USER_DIR"
python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE9.GAM" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
for i in range(struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]):
    unit = save_layout.unit(i)
    if save[unit + 3] == 0:
        save[unit + 7] = 1  # finished
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1  # patrol
for p in range(1, 6):  # no rival's Suppress Magic
    save[save_layout.player(p) + 1154 + 5] = 0
struct.pack_into("<hhh", save, save_layout.player(0) + 78, 0, 100, 10)
open(sys.argv[2], "wb").write(save)
PY

run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_target.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "Spell_Casting_Screen: kind 4 for spell 10"
grep -q "Spell_Casting_Screen: result 1 target (" "$LOG" || fail "the click on the map picked no square"
expect_in_file "$LOG" "[CAST] player=0 spell=10 success=1"
python3 - "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the casting fields were not cleared"
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
assert struct.unpack_from("<hhh", save, save_layout.player(0) + 78) == (0, 0, 0)
PY
pass "the target screen took the clicked square and the spell took effect"
