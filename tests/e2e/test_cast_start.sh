#!/usr/bin/env bash
# Starting overland casts from the spellbook on the stand-in SAVE1.GAM as the continue game: every
# human unit on patrol and finished, the human knowing exactly two global enchantments A < B of one
# realm and section, 5,000 mana and casting skill left equal to A's casting cost.
# - line 0 casts A, paid at once; line 1 starts B, which the skill left cannot pay: B stays in
#   progress and mana and skill fell by the same amount;
# - B's line again asks whether to abort it; yes clears all three casting fields and costs nothing.
# A first run with plenty of skill measures A's casting cost as the game reckons it.
source "$(dirname "$0")/lib.sh"
use_standin_data

make_fixture() {  # $1: casting skill left; writes SAVE9.GAM and $E2E_TMP/fixture.gam, A and B to $E2E_TMP/ab
  mkdir -p "$USER_DIR"
  python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/ab" "$1" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
lbx = open(sys.argv[2], "rb").read()
skill = int(sys.argv[5])
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
record = lambda s: entry + 4 + size * s
human = save_layout.player(0)
candidates = set(struct.unpack_from("<8h", save, human + 52)) | {struct.unpack_from("<h", save, human + 610)[0]}
globals_by_group = {}
for s in range(1, min(count, 201)):
    r = record(s)
    if lbx[r + 21] == 9 and s not in candidates:
        globals_by_group.setdefault((lbx[r + 23], lbx[r + 22]), []).append(s)
pair = None
for group, spells in sorted(globals_by_group.items()):
    if len(spells) >= 2:
        a, b = spells[0], spells[1]
        cost = lambda s: struct.unpack_from("<h", lbx, record(s) + 26)[0]
        if 0 < cost(a) <= cost(b):
            pair = (a, b)
            break
assert pair, "no two global enchantments of one realm and section in the stand-in spell table"
a, b = pair
units = struct.unpack_from("<h", save, save_layout.CITY_COUNT + 2)[0]
for i in range(units):
    unit = save_layout.UNITS + 32 * i
    if save[unit + 3] == 0:
        save[unit + 7] = 1  # finished
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1  # patrol
players = struct.unpack_from("<h", save, save_layout.NUM_PLAYERS)[0]
for p in range(6):
    save[save_layout.player(p) + 1154 + 1] = 0  # no Evil Omens
for s in (a, b):
    save[human + 1154 + lbx[record(s) + 32]] = 0  # the human does not hold their slots
for s in range(1, 241):
    if save[human + 612 + s - 1] == 2:
        save[human + 612 + s - 1] = 1
save[human + 612 + a - 1] = save[human + 612 + b - 1] = 2
struct.pack_into("<3h", save, human + 78, 0, 0, 0)  # nothing in progress
struct.pack_into("<h", save, human + 84, skill)
struct.pack_into("<h", save, human + save_layout.PLAYER_MANA, 5000)
open(sys.argv[3], "wb").write(save)
open(sys.argv[4], "w").write("%d %d\n" % (a, b))
PY
  cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/fixture.gam"
  read -r A B <"$E2E_TMP/ab"
}

# Measuring A's cost as the game reckons it: the book logs it with the click.
make_fixture 30000
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_start.txt"
expect_rc 0
P=$(sed -n "s/.*\[SPELLBOOK\] slot=0 spell=$A cost=\([0-9]*\).*/\1/p" "$LOG" | head -1)
[ -n "$P" ] && [ "$P" -gt 0 ] || fail "no click on A's line was logged"

# 1. Skill left exactly A's cost: A completes at once, B stays in progress.
make_fixture "$P"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_start.txt"
expect_rc 0
expect_in_file "$LOG" "[screen=112 "
expect_in_file "$LOG" "[CAST] player=0 spell=$A "
expect_not_in_file "$LOG" "[CAST] player=0 spell=$B "
expect_not_in_file "$LOG" "[INTEGRITY]"
expect_only_standin_compat_error "$LOG"
python3 - "$E2E_TMP/fixture.gam" "$USER_DIR/SAVE9.GAM" "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$B" "$P" <<'PY' || fail "the continue game does not hold A paid and B in progress"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
lbx = open(sys.argv[3], "rb").read()
b, p = int(sys.argv[4]), int(sys.argv[5])
human = save_layout.player(0)
field = lambda save, offset: struct.unpack_from("<h", save, human + offset)[0]
mana_fell = field(before, 604) - field(after, 604)
skill_fell = field(before, 84) - field(after, 84)
assert mana_fell == skill_fell == p > 0, "mana fell %d, skill %d, A costs %d" % (mana_fell, skill_fell, p)
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
base = struct.unpack_from("<h", lbx, entry + 4 + size * b + 26)[0]
assert field(after, 82) == b, "spell being cast %d, not B %d" % (field(after, 82), b)
assert field(after, 78) > 0, "cost left %d" % field(after, 78)
assert field(after, 80) >= base, "casting_cost_original %d below B's base cost %d" % (field(after, 80), base)
PY
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/in_progress.gam"

# 2. Aborting B from the book clears its casting fields and gives no mana back.
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_abort.txt"
expect_rc 0
expect_in_file "$LOG" "[BOX] Confirmation_Box: Do you wish to abort "
grep -F "[BOX] Confirmation_Box: Do you wish to abort " "$LOG" | grep -qF "$(python3 - "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$B" <<'PY'
import struct, sys
lbx = open(sys.argv[1], "rb").read()
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
r = entry + 4 + size * int(sys.argv[2])
print(lbx[r:r + 19].split(b"\0")[0].decode())
PY
)" || fail "the abort question does not name B"
python3 - "$E2E_TMP/in_progress.gam" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the abort did not clear the casting fields"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
human = save_layout.player(0)
fields = struct.unpack_from("<3h", after, human + 78)
assert fields == (0, 0, 0), "cost left, casting_cost_original, spell: %s" % (fields,)
mana = [struct.unpack_from("<h", s, human + 604)[0] for s in (before, after)]
assert mana[0] == mana[1], "mana %d, was %d" % (mana[1], mana[0])
PY
pass "an overland cast paid at once, one left in progress, and its abort"
