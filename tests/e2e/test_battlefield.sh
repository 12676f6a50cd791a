#!/usr/bin/env bash
# tolva_battlefield on the stand-in SAVE9.GAM: one square built twice gives the same file and leaves
# the random state as it was; every city square's battlefield has its costs and tiles in step with
# the terrain kinds, roads and centre, closed cells off the diamond, houses by population and walls,
# and a closed centre in a fortress city; nine attackers on open land stand in their slots. Then the
# game itself continues the stand-in game to the main screen under the pool guards.
source "$(dirname "$0")/lib.sh"
use_standin_data

TOOL="${TOLVA_BUILD_DIR:?TOLVA_BUILD_DIR must name the build folder}/tolva_battlefield"
SAVE="$TOLVA_DATA_DIR/SAVE9.GAM"
[ -x "$TOOL" ] || fail "no tolva_battlefield at $TOOL"

"$TOOL" --load "$SAVE" --x 20 --y 15 --plane 0 --attacker 5 --out "$E2E_TMP/one.txt" || fail "the first run failed"
"$TOOL" --load "$SAVE" --x 20 --y 15 --plane 0 --attacker 5 --out "$E2E_TMP/two.txt" || fail "the second run failed"
cmp -s "$E2E_TMP/one.txt" "$E2E_TMP/two.txt" || fail "two runs for one square differ"

# City squares of the save (city bytes 15..17 x, y, plane; 20 population).
python3 - "$SAVE" >"$E2E_TMP/cities.txt" <<'PY'
import struct, sys
import save_layout as SL
save = open(sys.argv[1], "rb").read()
for i in range(struct.unpack_from("<h", save, SL.CITY_COUNT)[0]):
    base = SL.CITIES + SL.CITY_SIZE * i
    print(save[base + 15], save[base + 16], save[base + 17], save[base + 20])
PY
[ -s "$E2E_TMP/cities.txt" ] || fail "the stand-in game has no city"
n=0
while read -r x y p pop; do
  n=$((n + 1))
  "$TOOL" --load "$SAVE" --x "$x" --y "$y" --plane "$p" --attacker 5 --out "$E2E_TMP/city$n.txt" ||
    fail "no battlefield for the city at $x,$y,$p"
  echo "$E2E_TMP/city$n.txt $pop" >>"$E2E_TMP/dumps.txt"
done <"$E2E_TMP/cities.txt"
"$TOOL" --load "$SAVE" --x 25 --y 12 --plane 0 --attacker 0 --attacker 1 --attacker 2 --attacker 4 --attacker 5 \
  --attacker 6 --attacker 7 --attacker 8 --attacker 9 --out "$E2E_TMP/land.txt" || fail "no battlefield for open land"
echo "$E2E_TMP/one.txt -1" >>"$E2E_TMP/dumps.txt"
echo "$E2E_TMP/land.txt -1" >>"$E2E_TMP/dumps.txt"

python3 - "$E2E_TMP/dumps.txt" "$E2E_TMP/land.txt" <<'PY' || fail "a battlefield breaks its rules"
import sys
W, H = 21, 22
def load(path):
    d = {}
    units = []
    for line in open(path):
        f = line.split()
        if f[0] == "unit":
            units.append((int(f[1]), int(f[3]), int(f[5]), int(f[6]), int(f[8])))
        elif f[0] == "centre":
            d.update({f[i]: int(f[i + 1]) for i in range(0, len(f), 2)})
        else:
            d[f[0]] = [int(v) for v in f[1:]]
    d["units"] = units
    return d
fortresses = 0
for entry in open(sys.argv[1]):
    path, pop = entry.split()
    pop = int(pop)
    d = load(path)
    assert d["seed_before"] == d["seed_after"], path + ": the random state moved"
    for key in ("kind", "tile", "road", "cost0", "cost1", "cost2", "cost3", "mud"):
        assert len(d[key]) == W * H, path + ": " + key
    centre = d["centre"]
    for y in range(H):
        for x in range(W):
            c = y * W + x
            costs = [d["cost%d" % g][c] for g in range(4)]
            on = 11 <= x + y <= 31 and -9 <= x - y <= 9
            where = "%s (%d,%d)" % (path, x, y)
            if not on or ((x, y) == (6, 11) and centre not in (0, 2)):
                assert costs == [255] * 4, where + " should be closed: %s" % costs
                continue
            kind, road, tile = d["kind"][c], d["road"][c], d["tile"][c]
            if kind == 4:
                base = [255, 2, 255, 2]
            elif kind == 1:
                base = [4, 2, 4, 255]
            else:
                base = [2, 2, 2, 255]
            if road not in (0, 0x81):
                base = [1, 2, 1, 255]
            assert costs[1] == base[1] and costs[3] == base[3], where + " %s for kind %d road %d" % (costs, kind, road)
            assert costs[0] == costs[2] and base[0] <= costs[0] <= max(base[0], min(4, base[0] + 2)), \
                where + " ground %s for kind %d road %d" % (costs, kind, road)
            ranges = {0: range(0, 32), 1: range(32, 48), 2: range(4, 8), 4: range(48, 52)}
            assert tile in ranges[kind], where + " tile %d for kind %d" % (tile, kind)
            if kind == 0:
                assert not 4 <= tile <= 7, where + " plain cell with a dirt tile"
    if pop >= 0 and centre in (1, 2, 3):  # a site on the square overrides the city
        houses = d["houses"]
        count, cells = houses[0], list(zip(houses[1::2], houses[2::2]))
        limit = 11 if centre == 3 else 12
        assert count == (min(pop, limit) if pop > 0 else 0), path + ": %d houses for population %d" % (count, pop)
        for hx, hy in cells:
            assert 5 <= hx <= 8 and 10 <= hy <= 13, path + ": house off the block"
            if d["walls"]:
                assert (hx in (5, 8)) + (hy in (10, 13)) < 2, path + ": house on a corner of a walled city"
        assert len(set(cells)) == len(cells), path + ": two houses on one cell"
        if centre == 3:
            fortresses += 1
            assert (6, 11) not in cells, path + ": a house on the fortress"
assert fortresses > 0, "no fortress city was checked"
land = load(sys.argv[2])["units"]
cells = [(u[2], u[3]) for u in land if u[1] == 0]
expected = [(14, 12), (14, 11), (14, 13), (14, 10), (15, 12), (15, 11), (15, 13), (15, 10), (16, 12)]
assert cells == expected, "nine attackers stand at %s" % cells
PY
pass "battlefields of the stand-in game follow their rules"

printf 'wait_screen Main_Screen 10s\nquit\n' >"$E2E_TMP/main_then_quit.txt"
mkdir -p "$USER_DIR"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/main_then_quit.txt"
expect_rc 0
expect_not_in_file "$LOG" "[INTEGRITY]"
pass "the stand-in game reaches the main screen under the pool guards"
