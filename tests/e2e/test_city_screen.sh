#!/usr/bin/env bash
# The city screen on the fixture game whose capital builds housing with nothing accumulated, no
# buildings, 20,000 gold, the human's Wall of Fire and Nightshade: a right click opens it; the
# Nightshade line does not turn off, the Wall of Fire line does; the third building chosen on the
# production screen is bought at four times its cost; the production breakdown closes on a
# full-screen click; O returns to the map. The continue game written by the load screen's Quit
# holds the outcome.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
FIXTURE="$TOLVA_DATA_DIR/fixtures/CAPITAL_HOUSING.GAM"
[ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"
mkdir -p "$USER_DIR"
cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"

run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/city_screen.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
grep -q "screen=100 City" "$LOG" || fail "the city screen never ran"
grep -A1 "click (300, 5)" "$LOG" | grep -qF "rect=(0,0)-(319,199)" || fail "the breakdown's full-screen field was not hit"
# The first frame after O is the map's.
after_o=$(sed -n "/key 'o'/,\$p" "$LOG" | grep -o "\[screen=[0-9]*" | head -1)
[ "$after_o" = "[screen=105" ] || fail "O led to ${after_o:-nothing}, not the main screen"

python3 - "$FIXTURE" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the city screen's changes"
import struct, sys
import save_layout
before, after = (open(path, "rb").read() for path in sys.argv[1:3])
CITY0, PLAYER0 = save_layout.CITIES, save_layout.PLAYERS
WALL_OF_FIRE, NIGHTSHADE, HOUSING = 0, 25, 2
def i16(save, at): return struct.unpack_from("<h", save, at)[0]
def enchantment(save, e): return save[CITY0 + 67 + e]
assert after != before, "no continue game was written"
assert i16(before, CITY0 + 28) == HOUSING and i16(before, CITY0 + 94) == 0, "the fixture is not as expected"
assert i16(before, PLAYER0 + save_layout.PLAYER_GOLD) == 20000, "the fixture's treasury is not 20,000"
assert enchantment(before, WALL_OF_FIRE) == 1 and enchantment(before, NIGHTSHADE) == 1
assert enchantment(after, NIGHTSHADE) == 1, "Nightshade was turned off"
assert enchantment(after, WALL_OF_FIRE) == 0, "Wall of Fire is still on"
product = i16(after, CITY0 + 28)
assert product != HOUSING and 3 <= product < 100, "the product is %d, not another building" % product
cost = i16(after, CITY0 + 94)
assert cost > 0, "buying put in no production"
paid = i16(before, PLAYER0 + save_layout.PLAYER_GOLD) - i16(after, PLAYER0 + save_layout.PLAYER_GOLD)
assert paid == 4 * cost, "paid %d gold for a building of cost %d" % (paid, cost)
PY
pass "the capital's screen: enchantments, change of product, buying, breakdown and O; the game keeps them"
