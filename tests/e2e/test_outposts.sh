#!/usr/bin/env bash
# Settling and naming on the twenty-city fixture games. B on the human's settlers founds an outpost
# and shows it as new; after Esc the naming box takes a typed name; a right click on the computer
# wizard's city opens its view, which a click outside its fields leaves. The continue game written
# by the load screen's Quit holds the outcome.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
FIXTURE="$TOLVA_DATA_DIR/fixtures/TWENTY_CITIES.GAM"
[ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"
mkdir -p "$USER_DIR"

# The lines of the log from the first holding $1 to the first after it holding $2.
log_between() { awk -v a="$1" -v b="$2" 'index($0, a) { on = 1 } on { print } on && index($0, b) { exit }' "$LOG"; }

# The new outpost takes the record after the fixture's last city; Veyrholt is the computer's.
read -r outpost veyrholt < <(python3 - "$FIXTURE" <<'PY'
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
count = struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0]
names = [save[save_layout.city(i):save_layout.city(i) + 14].split(b"\0")[0] for i in range(count)]
print(count, names.index(b"Veyrholt"))
PY
) || fail "the fixture holds no city called Veyrholt"

cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/settle_outpost.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_only_standin_compat_error "$LOG"
expect_in_file "$LOG" "Outpost_Screen: city $outpost, new, 0 units"
expect_in_file "$LOG" "Change_City_Name_Popup: city $outpost named \"Stonewick\""
view=$(log_between "Enemy_City_Screen: city $veyrholt," "Enemy_City_Screen: left city $veyrholt")
[ -n "$view" ] || fail "the right click on Veyrholt did not open its view"
grep -qF "click (20, 100)" <<<"$view" || fail "the click at 20,100 did not reach the city's view"
grep -qF "rect=(0,0)-(319,199)" <<<"$view" || fail "the click at 20,100 did not hit the view's whole-screen field"
grep -qF "Enemy_City_Screen: left city $veyrholt" <<<"$view" || fail "the click did not leave the city's view"
pass "B founded outpost $outpost shown as new and named by typing; Veyrholt's view opened and a click left it"

# City record: name 0-13, x 15, y 16, plane 17, owner 18, size 19, houses 24-25; unit record: x 0,
# y 1, plane 2, owner 3, type 5 (settlers 42).
python3 - "$FIXTURE" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the new outpost"
import struct, sys
import save_layout
CITIES, CITY, UNITS, UNIT, SETTLERS = save_layout.CITIES, save_layout.CITY_SIZE, save_layout.UNITS, save_layout.UNIT_SIZE, 42
def cities(save):
    return [save[CITIES + CITY * i:CITIES + CITY * (i + 1)] for i in range(struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0])]
def settlers_at(save, x, y):
    units = [save[UNITS + UNIT * i:UNITS + UNIT * (i + 1)] for i in range(struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0])]
    return [u for u in units if u[5] == SETTLERS and u[3] == 0 and (u[0], u[1], u[2]) == (x, y, 0)]
before, after = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
assert len(settlers_at(before, 16, 13)) == 1, "the fixture's settlers are not at 16,13"
assert len(cities(after)) == len(cities(before)) + 1, "%d cities after %d" % (len(cities(after)), len(cities(before)))
here = [c for c in cities(after) if (c[15], c[16], c[17]) == (16, 13, 0)]
assert len(here) == 1, "%d cities at 16,13" % len(here)
c = here[0]
name = c[:14].split(b"\0")[0].decode("ascii", "replace")
houses = struct.unpack_from("<h", c, 24)[0]
assert (name, c[18], c[19], houses) == ("Stonewick", 0, 0, 3), "the city at 16,13: %r owner %d size %d houses %d" % (
    name, c[18], c[19], houses)
assert 0 in c[:14], "the name is not terminated within its field"
assert not settlers_at(after, 16, 13), "the settlers are still at 16,13"
PY
pass "the continue game holds Stonewick at 16,13: the human's, size 0, 3 houses, and no settlers"
