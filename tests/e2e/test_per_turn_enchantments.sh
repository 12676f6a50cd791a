#!/usr/bin/env bash
# The enchantments that act each turn, on the stand-in fixture PER_TURN_ENCHANTMENTS.GAM: the
# human's first city holds his Consecration and Vessa's (wizard 1's) Chaos Rift, Evil Presence,
# Cursed Lands and Pestilence, with three land squares of its area corrupted; Vessa holds Great
# Wasting, Meteor Storm and Armageddon; her units stand on her fortress, every human unit but one
# (outside every city) on patrol and finished. After one end of turn the continue game shows:
# - the curses gone and Consecration kept;
# - 4 to 6 new volcanoes of Vessa's, none on a node;
# - new corruption outside the city's area plus what is corrupted inside it 4 to 6, at most one of
#   the area's old corrupted squares left;
# - no new volcano or corruption within 2 squares of a city of Vessa's on its plane;
# - the city's garrison unchanged and not more damaged, while the unit outside was struck.
# With the pool guards on, no integrity line and no error but the stand-in's compatibility one.
source "$(dirname "$0")/lib.sh"
use_standin_data

mkdir -p "$USER_DIR"
cp "$TOLVA_DATA_DIR/fixtures/PER_TURN_ENCHANTMENTS.GAM" "$USER_DIR/SAVE9.GAM"
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/before.gam"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --continue \
  --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/per_turn_enchantments.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_not_in_file "$LOG" "[INTEGRITY]"
expect_only_standin_compat_error "$LOG"
python3 - "$E2E_TMP/before.gam" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the turn's enchantments did not act as they should"
import struct, sys
import save_layout as L
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
assert struct.unpack_from("<h", after, L.TURN)[0] == struct.unpack_from("<h", before, L.TURN)[0] + 1, "no turn passed"
VESSA = 1
cities = lambda save: [L.CITIES + L.CITY_SIZE * c for c in range(struct.unpack_from("<h", save, L.CITY_COUNT)[0])]
city = next(c for c in cities(before) if before[c + 18] == 0)
cx, cy, cp = before[city + 15:city + 18]
ench = lambda save, k: save[city + 67 + k]
for curse in (1, 3, 4, 5):
    assert ench(before, curse) == VESSA + 1 and ench(after, curse) == 0, ("curse", curse, ench(after, curse))
assert ench(after, 22) == 1, ("consecration", ench(after, 22))

squares = range(2 * L.PLANE_SQUARES)
flags = lambda save, s: save[L.SQUARE_FLAGS + s]
where = lambda s: (s % 60, (s // 60) % 40, s // L.PLANE_SQUARES)
def distance(a, b):
    dx = abs(a[0] - b[0])
    return max(min(dx, 60 - dx), abs(a[1] - b[1]))
area = {s for s in squares if where(s)[2] == cp and distance(where(s), (cx, cy)) <= 2}
volcanoes = [s for s in squares if flags(after, s) & 7 == VESSA + 1 and flags(before, s) & 7 != VESSA + 1]
assert 4 <= len(volcanoes) <= 6, ("new volcanoes", len(volcanoes))
nodes = {(after[n], after[n + 1], after[n + 2]) for n in (L.NODES + L.NODE_SIZE * k for k in range(30))}
assert not any(where(s) in nodes for s in volcanoes), "a volcano on a node"
corrupt = lambda save, s: flags(save, s) & 0x20 != 0
old = [s for s in area if corrupt(before, s)]
assert len(old) == 3, ("fixture corruption", len(old))
new_outside = [s for s in squares if s not in area and corrupt(after, s) and not corrupt(before, s)]
inside = [s for s in area if corrupt(after, s)]
assert 4 <= len(new_outside) + len(inside) <= 6, ("wasted", len(new_outside), len(inside))
assert sum(1 for s in old if corrupt(after, s)) <= 1, "the area was not cleansed"
vessa_cities = [before[c + 15:c + 18] for c in cities(before) if before[c + 18] == VESSA]
for s in volcanoes + new_outside:
    x, y, p = where(s)
    assert not any(p == vp and distance((x, y), (vx, vy)) <= 2 for vx, vy, vp in vessa_cities), ("near Vessa", x, y, p)

units = lambda save: [L.UNITS + L.UNIT_SIZE * u for u in range(struct.unpack_from("<h", save, L.UNIT_COUNT)[0])]
garrison = lambda save: [(save[u + 5], save[u + 17]) for u in units(save) if save[u + 3] == 0 and tuple(save[u:u + 3]) == (cx, cy, cp)]
g0, g1 = garrison(before), garrison(after)
assert [t for t, _ in g0] == [t for t, _ in g1], ("garrison", g0, g1)
assert all(d1 <= d0 for (_, d0), (_, d1) in zip(g0, g1)), ("garrison damaged", g0, g1)
city_squares = {tuple(before[c + 15:c + 18]) for c in cities(before)}
outside = lambda save: [(save[u + 3], save[u + 5], save[u + 17]) for u in units(save) if save[u + 3] == 0 and tuple(save[u:u + 3]) not in city_squares]
o0, o1 = outside(before), outside(after)
assert o0, "the fixture has no human unit outside the cities"
struck = len(o1) < len(o0) or any(d1 > d0 for (_, _, d0), (_, _, d1) in zip(o0, o1))
assert struck, ("no unit outside the cities was struck", o0, o1)
PY
pass "the turn's enchantments cleansed, wasted, struck and spared as they should"
