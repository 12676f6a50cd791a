#!/usr/bin/env bash
# Paid spells take effect at the end of the turn: the stand-in SAVE1.GAM with every human unit on
# patrol and finished. First the human's summoning spell S, with nothing left to pay: the continue
# game holds one unit more, of S's type, the human's, at the summoning point, with its full moves
# and not finished. Then, from that game, a global enchantment G: the human holds G's slot. Each
# time the casting fields are cleared.
source "$(dirname "$0")/lib.sh"
use_standin_data

mkdir -p "$USER_DIR"
python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/spells" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
lbx = open(sys.argv[2], "rb").read()
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
spell = lambda s: lbx[entry + 4 + size * s:entry + 4 + size * (s + 1)]
param = lambda s: struct.unpack_from("<h", spell(s), 32)[0]
# Nature and Sorcery spells: no rival's Tranquility or Life Force can stop them.
s = next(s for s in range(1, 81) if spell(s)[21] == 0 and 35 <= param(s) < 198)
g = next(g for g in range(1, 81) if spell(g)[21] == 9 and 0 <= param(g) < 24)
units = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
for i in range(units):
    unit = save_layout.unit(i)
    if save[unit + 3] == 0:
        save[unit + 7] = 1  # finished
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1  # patrol
for p in range(1, 6):  # no rival's Suppress Magic
    save[save_layout.player(p) + 1154 + 5] = 0
human = save_layout.player(0)
struct.pack_into("<hhh", save, human + 78, 0, 100, s)
open(sys.argv[3], "wb").write(save)
open(sys.argv[4], "w").write("%d %d %d %d\n" % (s, param(s), g, param(g)))
PY
read -r S S_TYPE G G_SLOT < "$E2E_TMP/spells"
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/before.gam"

run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_complete.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "[CAST] player=0 spell=$S success=1"
python3 - "$E2E_TMP/before.gam" "$USER_DIR/SAVE9.GAM" "$S_TYPE" <<'PY' || fail "the summoned unit is not as it should be"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
unit_type = int(sys.argv[3])
count = lambda save: struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
assert count(after) == count(before) + 1, (count(before), count(after))
human = save_layout.player(0)
summon = struct.unpack_from("<hhh", after, human + 46)
unit = save_layout.unit(count(after) - 1)
wx, wy, wp, owner, moves_max, kind = after[unit:unit + 6]
assert (owner, kind) == (0, unit_type), (owner, kind, unit_type)
assert (wx, wy, wp) == summon, ((wx, wy, wp), summon)
assert after[unit + 7] == 0 and after[unit + 8] == moves_max, (after[unit + 7], after[unit + 8], moves_max)
assert struct.unpack_from("<hhh", after, human + 78) == (0, 0, 0)
PY
pass "the summoning spell made its unit at the summoning point, ready to move"

python3 - "$USER_DIR/SAVE9.GAM" "$G" <<'PY'
import struct, sys
import save_layout
path = sys.argv[1]
save = bytearray(open(path, "rb").read())
for i in range(struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]):
    unit = save_layout.unit(i)
    if save[unit + 3] == 0:  # the new unit too: only the next-turn key ends the turn
        save[unit + 7] = 1
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1
struct.pack_into("<hhh", save, save_layout.player(0) + 78, 0, 100, int(sys.argv[2]))
open(path, "wb").write(save)
PY
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_complete.txt"
expect_rc 0
expect_in_file "$LOG" "[CAST] player=0 spell=$G success=1"
python3 - "$USER_DIR/SAVE9.GAM" "$G_SLOT" <<'PY' || fail "the global enchantment did not take hold"
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
human = save_layout.player(0)
assert save[human + 1154 + int(sys.argv[2])] == 1, save[human + 1154 + int(sys.argv[2])]
assert struct.unpack_from("<hhh", save, human + 78) == (0, 0, 0)
PY
pass "the global enchantment took hold for the human"
