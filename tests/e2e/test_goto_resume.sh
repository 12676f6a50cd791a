#!/usr/bin/env bash
# Resuming a game walks the human's go-to stacks: the stand-in SAVE1.GAM, with its cities' road
# bytes cleared, is continued and quit at once. In the continue game written, the go-to units the
# resume reached walked toward their destinations over explored squares, the wizards their units
# now stand next to are met, the road bits are rebuilt exactly, and no square is overfull.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
mkdir -p "$USER_DIR"
python3 - "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE9.GAM" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
cities = struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0]
for c in range(cities):
    base = save_layout.city(c)
    save[base + 101:base + 114] = bytes(13)
open(sys.argv[2], "wb").write(save)
PY
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/save9.before"

run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/resume_then_quit.txt"
expect_rc 0
expect_in_file "$LOG" "[screen=105 MainScreen"

gaps=""
for name in Main_Screen WIZ_NextIdleStack Move_Stack Update_Scouted_And_Contacted Contact_Players_In_Scouting_Range \
            Reset_City_Road_Connection_Bitfields; do
  grep -q "${name}__STUB" "$LOG" && gaps="$gaps $name"
done
[ -z "$gaps" ] || fail "walking go-to stacks on resume and quitting ran stand-ins of:$gaps"

python3 - "$E2E_TMP/save9.before" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the resume did not walk the go-to stacks as expected"
import heapq, struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
UNITS, PLAYERS, CITIES, EXPLORED, COSTS, FLAGS, LANDMASSES = (save_layout.UNITS, save_layout.PLAYERS, save_layout.CITIES,
    save_layout.SQUARE_EXPLORED, save_layout.MOVEMENT_MAPS, save_layout.SQUARE_FLAGS, save_layout.LANDMASSES)
def i16(save, at): return struct.unpack_from("<h", save, at)[0]
num_players = i16(after, save_layout.NUM_PLAYERS)
def units(save):
    return [save[save_layout.unit(i):save_layout.unit(i + 1)] for i in range(i16(save, save_layout.UNIT_COUNT))]
def owner(u): return struct.unpack_from("<b", u, 3)[0]
def walking_distance(save, plane, start, goal):
    cost_map = save[COSTS + (plane * 6 + 1) * save_layout.PLANE_SQUARES:COSTS + (plane * 6 + 2) * save_layout.PLANE_SQUARES]
    best = {start: 0}
    queue = [(0, start)]
    while queue:
        d, (x, y) = heapq.heappop(queue)
        if (x, y) == goal:
            return d
        if d > best.get((x, y), 1 << 30):
            continue
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                nx, ny = (x + dx) % 60, y + dy
                if (dx or dy) and 0 <= ny < 40 and cost_map[ny * 60 + nx] != 255:
                    nd = d + cost_map[ny * 60 + nx]
                    if nd < best.get((nx, ny), 1 << 30):
                        best[(nx, ny)] = nd
                        heapq.heappush(queue, (nd, (nx, ny)))
    return 1 << 30

old, new = units(before), units(after)
assert len(old) == len(new), (len(old), len(new))
moved = []
for o, n in zip(old, new):
    if owner(o) != 0 or o[11] != 3 or o[0:3] == n[0:3]:
        continue
    moved.append(n)
    goal = (o[9], o[10])
    assert walking_distance(after, n[2], (n[0], n[1]), goal) < walking_distance(after, o[2], (o[0], o[1]), goal), \
        ("not nearer", o[0:3], n[0:3], goal)
    assert (n[11] == 3 and n[8] == 0) or (n[11] == 0 and (n[0], n[1]) == goal), ("order", n[8], n[11])
    assert after[EXPLORED + save_layout.PLANE_SQUARES * n[2] + 60 * n[1] + n[0]] != 0, ("unexplored", n[0:3])
assert moved, "no go-to unit of the human was walked"

def contacted(save, p, j): return save[PLAYERS + save_layout.PLAYER_SIZE * p + 296 + j]
met, newly = set(), 0
for u in new:
    j = owner(u)
    if j < 1 or j >= num_players or struct.unpack_from("<I", u, 24)[0] & 0x8000:
        continue
    for m in moved:
        if m[2] == u[2] and min(abs(m[0] - u[0]), 60 - abs(m[0] - u[0])) <= 1 and abs(m[1] - u[1]) <= 1:
            met.add(j)
for j in met:
    assert contacted(after, 0, j) == 1 and contacted(after, j, 0) == 1, ("not in contact", j)
    newly += contacted(before, 0, j) == 0
assert met and newly >= 1, ("no wizard newly met", met)

count = i16(after, save_layout.CITY_COUNT)
cities = [after[save_layout.city(c):save_layout.city(c + 1)] for c in range(count)]
def road(x, y, p): return 0 <= y < 40 and after[FLAGS + save_layout.PLANE_SQUARES * p + 60 * y + x % 60] & 0x08
def land(x, y, p): return after[LANDMASSES + save_layout.PLANE_SQUARES * p + 60 * y + x % 60]
def bit(c, k): return (cities[c][101 + k // 8] >> (k % 8)) & 1
expected = set()
for c, city in enumerate(cities):
    x, y, p = city[15], city[16], city[17]
    if not any(road(x + dx, y + dy, p) for dx in (-1, 0, 1) for dy in (-1, 0, 1) if dx or dy):
        continue
    mass = land(x, y, p)
    seen, todo = {(x, y)}, [(x, y)]
    while todo:
        cx, cy = todo.pop()
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                nx, ny = (cx + dx) % 60, cy + dy
                if (nx, ny) not in seen and road(nx, ny, p) and land(nx, ny, p) == mass:
                    seen.add((nx, ny))
                    todo.append((nx, ny))
    for k in range(c + 1, count):
        other = cities[k]
        if other[17] == p and land(other[15], other[16], p) == mass and (other[15], other[16]) in seen:
            expected.add((c, k))
for c in range(count):
    for k in range(count):
        assert bit(c, k) == bit(k, c), ("road bits not symmetric", c, k)
        if c < k:
            assert bool(bit(c, k)) == ((c, k) in expected), ("road bits", c, k)

squares = {}
for u in new:
    if 0 <= owner(u) <= 5:
        key = (u[0], u[1], u[2], owner(u))
        squares[key] = squares.get(key, 0) + 1
assert max(squares.values()) <= 9, "a square holds more than 9 units of one owner"
PY
pass "the resume walked the go-to stacks, met the wizards beside them and rebuilt the road bits"
