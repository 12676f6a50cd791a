#!/usr/bin/env bash
# The magic screen on the stand-in SAVE1.GAM as the continue game (human: research 30, mana 40,
# skill 30 percent, 100 gold):
# - a click on the skill stave at position 20 moves it by 4 and takes 2 each from research and
#   mana; alchemy with the bar at its end turns the 100 gold into 50 mana;
# - the typed words GXN and KWB give every wizard 10,000 gold and mana, the human the spell watch,
#   and reveal the whole map;
# - a banished human's click on a rival's gem shows the warning and never opens diplomacy.
source "$(dirname "$0")/lib.sh"
use_standin_data

patch_fixture() {  # python statements on `save` (a bytearray) and `human` (its offset)
  mkdir -p "$USER_DIR"
  python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE9.GAM" "$1" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
human = save_layout.player(0)
save[human + 42], save[human + 43], save[human + 44] = 30, 40, 30
struct.pack_into("<h", save, human + save_layout.PLAYER_GOLD, 100)
exec(sys.argv[3])
open(sys.argv[2], "wb").write(save)
PY
  cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/fixture.gam"
}

# 1. The power split and alchemy.
patch_fixture "pass"
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/magic_screen.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "Magic_Screen: research 30 mana 40 skill 30"
expect_in_file "$LOG" "Alchemy_Popup: direction 1 amount 100 divisor 2"
expect_in_file "$LOG" "Magic_Screen: leaving to screen 105; research 26 mana 36 skill 38"
python3 - "$E2E_TMP/fixture.gam" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the new split and the alchemy"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
human = save_layout.player(0)
split = tuple(after[human + 42:human + 45])
assert split == (26, 36, 38), "research, mana, skill saved as %s" % (split,)
gold = struct.unpack_from("<h", after, human + save_layout.PLAYER_GOLD)[0]
assert gold == 0, "gold %d" % gold
mana = [struct.unpack_from("<h", s, human + save_layout.PLAYER_MANA)[0] for s in (before, after)]
assert mana[1] == mana[0] + 50, "mana %d, was %d" % (mana[1], mana[0])
PY

# 2. The typed words.
patch_fixture "pass"
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/magic_screen_words.txt"
expect_rc 0
expect_in_file "$LOG" "Magic_Screen: GXN"
expect_in_file "$LOG" "Magic_Screen: KWB"
python3 - "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the typed words did not take effect in the continue game"
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
players = struct.unpack_from("<h", save, save_layout.NUM_PLAYERS)[0]
for p in range(players):
    at = save_layout.player(p)
    gold = struct.unpack_from("<h", save, at + save_layout.PLAYER_GOLD)[0]
    mana = struct.unpack_from("<h", save, at + save_layout.PLAYER_MANA)[0]
    assert (gold, mana) == (10000, 10000), "wizard %d: gold %d mana %d" % (p, gold, mana)
assert save[save_layout.player(0) + 1154 + 22] != 0, "the human does not watch the rivals' spells"
explored = save[save_layout.SQUARE_EXPLORED:save_layout.SQUARE_EXPLORED + 4800]
assert explored == bytes([15]) * 4800, "%d squares not fully explored" % sum(b != 15 for b in explored)
PY

# 3. Banished: no audience.
patch_fixture "struct.pack_into('<h', save, human + save_layout.PLAYER_CASTING_SPELL, 214); save[human + 296 + 1] = 1"
run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/magic_screen_banished.txt"
expect_rc 0
expect_in_file "$LOG" "[BOX] Warn1: You may not contact other wizards while you are banished."
expect_not_in_file "$LOG" "Magic_Screen: leaving to screen 115"
expect_not_in_file "$LOG" "screen=115"
pass "the magic screen balances the staves, converts by alchemy, takes the typed words and refuses a banished wizard's audience"
