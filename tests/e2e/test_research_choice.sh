#!/usr/bin/env bash
# A finished research at the end of a turn: the stand-in SAVE1.GAM at turn 5 with every human unit
# on patrol (so only the next-turn key ends the turn), the research spell X on the research list
# with no research left, and "Spell Animations" off. The end of turn announces the mastered spell,
# the big book opens on the research spread and a click on slot 0 chooses spell S. The continue
# game holds X known and out of the candidates, and S researched, on the list, at its full cost.
source "$(dirname "$0")/lib.sh"
use_standin_data

# RAROZ.SET as the program writes it on a first run, with "Spell Animations" (word 15) off.
mkdir -p "$USER_DIR"
cp "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/resume_then_quit.txt"
expect_rc 0
[ -f "$USER_DIR/RAROZ.SET" ] || fail "no RAROZ.SET written by the first run"
python3 - "$USER_DIR/RAROZ.SET" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
data[30:32] = b"\0\0"
open(path, "wb").write(data)
PY

python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/x" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
UNITS = save_layout.UNITS
units = struct.unpack_from("<h", save, save_layout.CITY_COUNT + 2)[0]
for i in range(units):
    unit = UNITS + 32 * i
    if save[unit + 3] == 0:
        save[unit + 7] = 1  # finished
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1  # patrol
struct.pack_into("<h", save, save_layout.TURN, 5)
human = save_layout.player(0)
x = struct.unpack_from("<h", save, human + 610)[0]
assert x > 0 and save[human + 612 + x - 1] == 3, "the stand-in research spell %d is not on the list" % x
struct.pack_into("<h", save, human + 602, 0)
open(sys.argv[2], "wb").write(save)
open(sys.argv[3], "w").write(str(x))
PY
X=$(cat "$E2E_TMP/x")

run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/research_choice.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "[BOX] Notify2: You have mastered the spell of "
S=$(sed -n 's/.*\[RESEARCH\] CLICK matched slot=0 field=[0-9]* -> spell=\([0-9]*\).*/\1/p' "$LOG" | head -1)
[ -n "$S" ] && [ "$S" -gt 0 ] || fail "no click on research slot 0 was logged"
python3 - "$USER_DIR/SAVE9.GAM" "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$X" "$S" <<'PY' || fail "the continue game does not hold the new research"
import struct, sys
import save_layout
save, lbx = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
x, s = int(sys.argv[3]), int(sys.argv[4])
human = save_layout.player(0)
status = lambda spell: save[human + 612 + spell - 1]
candidates = struct.unpack_from("<8h", save, human + 52)
assert status(x) == 2 and x not in candidates, "X=%d: status %d, candidates %s" % (x, status(x), candidates)
research = struct.unpack_from("<h", save, human + 610)[0]
assert research == s and s in candidates and status(s) == 3, \
    "researching %d, chosen %d, candidates %s, status %d" % (research, s, candidates, status(s))
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
cost = struct.unpack_from("<h", lbx, entry + 4 + size * s + 28)[0]
left = struct.unpack_from("<h", save, human + 602)[0]
assert left == cost, "research left %d, the spell's research cost %d" % (left, cost)
PY
pass "the mastered spell was announced and the next research chosen on the big book"
