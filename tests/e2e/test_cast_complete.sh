#!/usr/bin/env bash
# Paid spells take effect. From the spellbook first: the stand-in SAVE1.GAM ("Spell Book Ordering"
# off) with every human unit on patrol and finished, the human knowing only a summoning spell S and a
# global enchantment G of one realm, with casting skill left their two costs together and 5,000
# mana. Key s, S's line; key s, G's line: the continue game holds one unit more, of S's type, the
# human's, at the summoning point with its full moves and not finished, the human holds G's slot,
# mana and skill fell by the same amount and the casting fields are clear. A first run with plenty
# of skill measures the two costs as the game reckons them.
# Then at the end of the turn: the same save with nothing left to pay on S, and later on G.
source "$(dirname "$0")/lib.sh"
use_standin_data

mkdir -p "$USER_DIR"
cp "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/resume_then_quit.txt"
expect_rc 0
[ -f "$USER_DIR/RAROZ.SET" ] || fail "no RAROZ.SET written by the first run"
python3 - "$USER_DIR/RAROZ.SET" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
data[28:30] = b"\0\0"  # Spell Book Ordering off: the book goes by realm, by spell number within one
open(path, "wb").write(data)
PY

book_fixture() {  # $1: casting skill left; writes SAVE9.GAM and $E2E_TMP/book.gam; sets S G S_TYPE G_SLOT
  python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/sg" "$1" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
lbx = open(sys.argv[2], "rb").read()
skill = int(sys.argv[5])
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
spell = lambda s: lbx[entry + 4 + size * s:entry + 4 + size * (s + 1)]
param = lambda s: struct.unpack_from("<h", spell(s), 32)[0]
# Nature, Sorcery or Life: no rival's Tranquility or Life Force can stop them; the book lists the
# realm's spells by number, so S < G puts S on line 0 and G on line 1.
pair = next(((s, g) for realm in (0, 1, 3) for s in range(realm * 40 + 1, realm * 40 + 41)
             for g in range(s + 1, realm * 40 + 41)
             if spell(s)[21] == 0 and 35 <= param(s) < 198 and spell(g)[21] == 9 and 0 <= param(g) < 24), None)
assert pair, "no summoning spell and later global enchantment of one realm in the stand-in spell table"
s, g = pair
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
save[human + 1154 + param(g)] = 0
for k in range(240):
    if save[human + 612 + k] == 2:
        save[human + 612 + k] = 1
save[human + 612 + s - 1] = save[human + 612 + g - 1] = 2
struct.pack_into("<3h", save, human + 78, 0, 0, 0)  # nothing in progress
struct.pack_into("<h", save, human + 84, skill)
struct.pack_into("<h", save, human + save_layout.PLAYER_MANA, 5000)
open(sys.argv[3], "wb").write(save)
open(sys.argv[4], "w").write("%d %d %d %d\n" % (s, g, param(s), param(g)))
PY
  cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/book.gam"
  read -r S G S_TYPE G_SLOT <"$E2E_TMP/sg"
}

book_fixture 30000
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_complete.txt"
expect_rc 0
PS=$(sed -n "s/.*\[SPELLBOOK\] slot=0 spell=$S cost=\([0-9]*\).*/\1/p" "$LOG" | head -1)
PG=$(sed -n "s/.*\[SPELLBOOK\] slot=1 spell=$G cost=\([0-9]*\).*/\1/p" "$LOG" | head -1)
[ -n "$PS" ] && [ -n "$PG" ] || fail "the clicks on S's ($S) and G's ($G) lines were not logged"

book_fixture $((PS + PG))
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_complete.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_not_in_file "$LOG" "[INTEGRITY]"
expect_in_file "$LOG" "[CAST] player=0 spell=$S success=1"
expect_in_file "$LOG" "[CAST] player=0 spell=$G success=1"
python3 - "$E2E_TMP/book.gam" "$USER_DIR/SAVE9.GAM" "$S_TYPE" "$G_SLOT" "$((PS + PG))" <<'PY' || fail "the spells cast from the book did not take effect as they should"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
unit_type, slot, paid = (int(a) for a in sys.argv[3:6])
count = lambda save: struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
assert count(after) == count(before) + 1, (count(before), count(after))
human = save_layout.player(0)
summon = struct.unpack_from("<hhh", after, human + 46)
unit = save_layout.unit(count(after) - 1)
wx, wy, wp, owner, moves_max, kind = after[unit:unit + 6]
assert (owner, kind) == (0, unit_type), (owner, kind, unit_type)
assert (wx, wy, wp) == summon, ((wx, wy, wp), summon)
assert after[unit + 7] == 0 and after[unit + 8] == moves_max, (after[unit + 7], after[unit + 8], moves_max)
assert after[human + 1154 + slot] == 1, after[human + 1154 + slot]
field = lambda save, offset: struct.unpack_from("<h", save, human + offset)[0]
mana_fell = field(before, save_layout.PLAYER_MANA) - field(after, save_layout.PLAYER_MANA)
skill_fell = field(before, 84) - field(after, 84)
assert mana_fell == skill_fell == paid, "mana fell %d, skill %d, the two cost %d" % (mana_fell, skill_fell, paid)
assert struct.unpack_from("<3h", after, human + 78) == (0, 0, 0), struct.unpack_from("<3h", after, human + 78)
PY
pass "a summoning and a global enchantment cast from the book took effect at once"

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

run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_paid_next_turn.txt"
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
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_paid_next_turn.txt"
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
