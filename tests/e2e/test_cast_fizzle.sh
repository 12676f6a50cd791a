#!/usr/bin/env bash
# A paid spell that fizzles: the stand-in SAVE1.GAM with every human unit on patrol and finished,
# the human casting a global enchantment G with nothing left to pay and nothing put in, while
# wizard 1 holds Suppress Magic (slot 5) with mana for its upkeep. One end of turn tells the human
# that G fizzled; the continue game holds G's slot empty and the casting fields cleared.
source "$(dirname "$0")/lib.sh"
use_standin_data

mkdir -p "$USER_DIR"
python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$TOLVA_DATA_DIR/SPELLDAT.LBX" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/g" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
lbx = open(sys.argv[2], "rb").read()
entry = struct.unpack_from("<I", lbx, 8)[0]
count, size = struct.unpack_from("<HH", lbx, entry)
spell = lambda s: lbx[entry + 4 + size * s:entry + 4 + size * (s + 1)]
SUPPRESS_MAGIC = 5
g = next(s for s in range(1, count) if spell(s)[21] == 9 and struct.unpack_from("<h", spell(s), 32)[0] != SUPPRESS_MAGIC
         and 0 <= struct.unpack_from("<h", spell(s), 32)[0] < 24)
units = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
for i in range(units):
    unit = save_layout.unit(i)
    if save[unit + 3] == 0:
        save[unit + 7] = 1  # finished
        save[unit + 9] = save[unit + 10] = 0
        save[unit + 11] = 1  # patrol
human, rival = save_layout.player(0), save_layout.player(1)
struct.pack_into("<hhh", save, human + 78, 0, 0, g)
save[rival + 1154 + SUPPRESS_MAGIC] = 2
struct.pack_into("<h", save, rival + save_layout.PLAYER_MANA, 5000)
open(sys.argv[3], "wb").write(save)
slot = struct.unpack_from("<h", spell(g), 32)[0]
name = spell(g)[:19].split(b"\0")[0].decode()
open(sys.argv[4], "w").write("%d %d %s\n" % (g, slot, name))
PY
read -r G SLOT NAME < "$E2E_TMP/g"

run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/cast_fizzle.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
grep -F "[BOX] Notify2: " "$LOG" | grep -F "Suppress Magic spell has caused your " | grep -qF "$NAME" ||
  fail "no notice that the Suppress Magic made $NAME fizzle"
python3 - "$USER_DIR/SAVE9.GAM" "$SLOT" <<'PY' || fail "the continue game holds the spell"
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
human = save_layout.player(0)
assert save[human + 1154 + int(sys.argv[2])] == 0, "the enchantment took hold"
assert struct.unpack_from("<hhh", save, human + 78) == (0, 0, 0), struct.unpack_from("<hhh", save, human + 78)
PY
pass "the rival's Suppress Magic made the human's $NAME fizzle, and the spell is spent"
