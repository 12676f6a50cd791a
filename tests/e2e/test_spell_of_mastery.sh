#!/usr/bin/env bash
# The Spell of Mastery completes: the stand-in SAVE1.GAM with every human unit on patrol and
# finished, patched so that the human is mid-cast on the Spell of Mastery. One end of turn pays the
# rest, the victory runs its full length (60 frames per player less 48, less 60 for every rival
# casting the Spell of Return) and the game ends on the main menu.
source "$(dirname "$0")/lib.sh"
use_standin_data

FIXTURE="$E2E_TMP/MASTERY.GAM"
python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$FIXTURE" "$E2E_TMP/frames" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
units = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
for i in range(units):
    unit = save_layout.unit(i)
    if save[unit + 3] == 0:
        save[unit + 7] = 1  # finished
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1  # patrol
open(sys.argv[2], "wb").write(save)
players = struct.unpack_from("<h", save, save_layout.NUM_PLAYERS)[0]
SPELL_OF_RETURN = 214
returning = sum(1 for p in range(1, players)
                if struct.unpack_from("<h", save, save_layout.player(p) + save_layout.PLAYER_CASTING_SPELL)[0]
                == SPELL_OF_RETURN)
open(sys.argv[3], "w").write(str(60 * players - 48 - 60 * returning))
PY
F=$(cat "$E2E_TMP/frames")

# The victory runs its frames held 3 ticks each (a click would end it early), then its scene ends by
# itself; clicks close the score and the hall of fame.
WAIT=$((3 * F + 120))
printf '%s\n' "wait_screen Main_Screen 10s" "wait 3f" "next_turn" "wait_turn 2 30s" "wait ${WAIT}f" \
  "click 5 195" "wait 30f" "click 5 195" "wait 30f" "click 5 195" \
  "wait_screen Main_Menu_Screen 30s" "wait 3f" "quit" > "$E2E_TMP/mastery.txt"
run_tolva ZOLAN --headless --load "$FIXTURE" --patch som_casting --scenario "$E2E_TMP/mastery.txt"
expect_rc 0
expect_in_file "$LOG" "[TST] scenario 'som_casting': player 0 mid-cast on Spell of Mastery"
expect_in_file "$LOG" "[MASTERY] winner=0 human_won=1 frames=$F"
grep -q "\[screen=0 " "$LOG" || fail "the main menu (screen 0) was never polled"
pass "the completed Spell of Mastery ran its $F frames of victory and the game ended"
