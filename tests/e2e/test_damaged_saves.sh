#!/usr/bin/env bash
# A saved game whose road builder starts its road off the map (255,255) loads with the road start
# repaired and said at WARN; the main screen draws the builder's path and a world turn moves it,
# without a crash (and, in the sanitizer build, without a report).
source "$(dirname "$0")/lib.sh"
use_standin_data

# The stand-in early game (turn 1, nobody met yet) with every unit of the human's on patrol but
# the first, which goes two squares east building a road: 2 turns left, the road from 255,255.
python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$E2E_TMP/damaged.gam" <<'PY'
import struct, sys
save = bytearray(open(sys.argv[1], "rb").read())
from save_layout import TURN, UNIT_COUNT, UNITS
assert struct.unpack_from("<h", save, TURN)[0] == 1, "the stand-in early game is not at turn 1"
human = [i for i in range(struct.unpack_from("<h", save, UNIT_COUNT)[0]) if save[UNITS + 32 * i + 3] == 0]
for i in human:
    at = UNITS + 32 * i
    save[at + 7], save[at + 11] = 1, 1         # finished, on patrol
builder = UNITS + 32 * human[0]
save[builder + 7] = 0
save[builder + 9], save[builder + 10] = (save[builder] + 2) % 60, save[builder + 1]
save[builder + 11] = 3                         # go to
struct.pack_into("<b", save, builder + 28, 2)
save[builder + 29], save[builder + 30] = 255, 255
open(sys.argv[2], "wb").write(save)
PY
read -r BX BY < <(python3 -c 'import sys, save_layout as SL; b=open(sys.argv[1],"rb").read(); print(b[SL.UNITS], b[SL.UNITS + 1])' "$E2E_TMP/damaged.gam")

printf '%s\n' "wait_screen Main_Screen 10s" "wait 5f" "next_turn" "wait 5f" "key y" "wait_turn 2 20s" "wait 20f" \
  "click 160 100" "wait_screen Main_Screen 10s" "wait 5f" "quit" > "$E2E_TMP/turn.txt"

run_tolva ZOLAN --headless --load "$E2E_TMP/damaged.gam" --scenario "$E2E_TMP/turn.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
grep -q "\[WARN \].*saved game: unit [0-9]* builds a road from (255,255), off the map; the road starts at its square ($BX,$BY)" \
  "$LOG" || fail "no WARN for the road start off the map"
expect_in_file "$LOG" "Load_SAVE_GAM() repaired 1 unit(s) of"
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
pass "a road start off the map is repaired on loading; a frame and a turn run"
