#!/usr/bin/env bash
# The city list on the twenty-city fixture game: scrolled to its last page by D, the production
# screens opened by right clicks on its first and last rows choose the twelfth and the twentieth
# city's products and return to the list as it was scrolled. The continue game written by the
# load screen's Quit holds those two products changed and no other; the city that produced
# nothing is saved producing housing.
source "$(dirname "$0")/lib.sh"
use_standin_data

use_fixture_game TWENTY_CITIES.GAM

run_tolva ZOLAN --headless --continue --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/city_list.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_not_in_file "$LOG" "CityList_Screen__STUB"
expect_in_file "$LOG" "CityList_Screen: 20 cities, first row 0"
[ "$(grep -c "CityList_Screen: 20 cities, first row 11" "$LOG")" -eq 2 ] ||
  fail "the list did not come back from both production screens scrolled to row 11"
[ "$(grep -c "CityList_Screen: leaving to screen 108" "$LOG")" -eq 2 ] || fail "two right clicks did not open production"
grep -q "screen=108 Production" "$LOG" || fail "the production screen was never polled"
expect_in_file "$LOG" "CityList_Screen: leaving to screen 105"

# The human's cities in table order, with their products (city bytes 18 owner, 28 product).
python3 - "$FIXTURE" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the chosen products"
import struct, sys
import save_layout
CITIES, SIZE = save_layout.CITIES, save_layout.CITY_SIZE
def products(path):
    save = open(path, "rb").read()
    count = struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0]
    return [struct.unpack_from("<h", save, CITIES + SIZE * i + 28)[0] for i in range(count)
            if struct.unpack_from("<b", save, CITIES + SIZE * i + 18)[0] == 0]
before, after = products(sys.argv[1]), products(sys.argv[2])
assert len(before) == 20 and len(after) == 20, "%d and %d human cities" % (len(before), len(after))
idle = [n for n, p in enumerate(before) if p == 0]
assert len(idle) == 1, "the fixture should have one city producing nothing: %s" % idle
assert after[idle[0]] == 2, "the city that produced nothing is saved with product %d" % after[idle[0]]
changed = [n + 1 for n in range(20) if n != idle[0] and before[n] != after[n]]
assert changed == [12, 20], "products changed in human cities %s, expected [12, 20]" % changed
assert after[11] == after[19] and after[11] not in (0, 1, 2), "the chosen products are %d, %d" % (after[11], after[19])
PY
pass "the twelfth and twentieth cities' products were chosen from the scrolled list; the idle city is saved producing housing"
