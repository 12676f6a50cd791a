#!/usr/bin/env bash
# A battle fought from the main screen reaches the saved game. A first run finds the square of the
# stack the stand-in SAVE9.GAM resumes with (the square it leaves when moved east). Then, with
# "Strategic Combat Only" on, a neutral unit stands one square east of it; the stack is moved onto
# it and the game quit: either the stack stands there and the neutral unit is dead, or the stack is
# dead and the neutral unit lives, and each survivor of the winner gained 2 experience for every
# unit the loser lost. A second run writes the same SAVE9.GAM byte for byte.
source "$(dirname "$0")/lib.sh"
use_standin_data

scenario() { printf '%s\n' "$@" > "$E2E_TMP/scenario.txt"; }
scenario "wait_screen Main_Screen 10s" "wait 10f" "right" "wait 30f" "key g" "wait_screen Load_Screen 5s" "wait 5f" \
         "click 60 177" "wait_screen Main_Menu_Screen 5s" "wait 5f" "key q" "wait 10f" "quit"

mkdir -p "$USER_DIR"
cp "$TOLVA_DATA_DIR/SAVE9.GAM" "$E2E_TMP/save9.original"
cp "$E2E_TMP/save9.original" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --seed1 7 --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
[ -f "$USER_DIR/RAROZ.SET" ] || fail "the first run wrote no RAROZ.SET"

# The square the resumed stack left, a neutral unit of its first unit's type east of it, and the
# "Strategic Combat Only" word switched on.
python3 - "$E2E_TMP/save9.original" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/battle.GAM" "$USER_DIR/RAROZ.SET" \
  "$E2E_TMP/stack.txt" <<'PY' || fail "the resumed stack could not be found"
import struct, sys
import save_layout
original, moved = (open(p, "rb").read() for p in sys.argv[1:3])
def units(save):
    n = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
    return [save[save_layout.unit(i):save_layout.unit(i + 1)] for i in range(n)]
stack = [i for i, (o, n) in enumerate(zip(units(original), units(moved))) if o[0:3] != n[0:3]]
assert stack, "no unit moved east"
first = units(original)[stack[0]]
x, y, p = first[0], first[1], first[2]
save = bytearray(original)
count = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
record = bytearray(32)
record[0:3] = bytes([(x + 1) % 60, y, p])
record[3] = 5                      # the neutral player
record[4] = first[4]               # moves per turn
record[5] = first[5]               # type
record[6] = 0xFF                   # no hero slot
record[28] = 0xFF                  # no road
save[save_layout.unit(count):save_layout.unit(count + 1)] = record
struct.pack_into("<h", save, save_layout.UNIT_COUNT, count + 1)
open(sys.argv[3], "wb").write(save)
settings = bytearray(open(sys.argv[4], "rb").read())
struct.pack_into("<H", settings, 20, 1)
open(sys.argv[4], "wb").write(settings)
open(sys.argv[5], "w").write(" ".join(map(str, stack)) + "\n")
PY

fight() {
  cp "$E2E_TMP/battle.GAM" "$USER_DIR/SAVE9.GAM"
  run_tolva ZOLAN --headless --continue --seed1 7 --scenario "$E2E_TMP/scenario.txt"
  expect_rc 0
}
fight
expect_in_file "$LOG" "Strategic_Combat: player 0 against 5"
python3 - "$E2E_TMP/battle.GAM" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/stack.txt" <<'PY' || fail "the battle's outcome did not reach SAVE9.GAM"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
stack = [int(v) for v in open(sys.argv[3]).read().split()]
def units(save):
    n = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
    return [save[save_layout.unit(i):save_layout.unit(i + 1)] for i in range(n)]
old, new = units(before), units(after)
neutral = len(old) - 1
def alive(u, owner): return struct.unpack_from("<b", u, 3)[0] == owner and u[2] < 2
def xp(u): return struct.unpack_from("<h", u, 14)[0]
target = old[neutral][0:3]
assert len(new) >= len(old), "the unit table shrank: %d to %d" % (len(old), len(new))
survivors = [i for i in stack if alive(new[i], 0)]
if not alive(new[neutral], 5):
    assert survivors, "the neutral unit died but so did the whole stack"
    for i in survivors:
        assert new[i][0:3] == target, ("a survivor is not on the battle square", i, new[i][0:3], target)
        assert xp(new[i]) == xp(old[i]) + 2, ("experience", i, xp(old[i]), xp(new[i]))
    print("stack won: %d of %d units stand on the square" % (len(survivors), len(stack)))
else:
    assert not survivors, "both sides live"
    assert xp(new[neutral]) == xp(old[neutral]) + 2 * len(stack), ("experience", xp(old[neutral]), xp(new[neutral]))
    print("neutral unit won")
PY
pass "a human stack's attack on a neutral unit was fought and its outcome saved"

cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/first.GAM"
fight
cmp -s "$USER_DIR/SAVE9.GAM" "$E2E_TMP/first.GAM" || fail "a second run of the same battle wrote another SAVE9.GAM"
pass "the same battle with the same seed writes the same SAVE9.GAM"

# ---- an empty city of a computer wizard is taken with its share of his gold ----
# A city of wizard 1 that holds no units and is neither his fortress nor his last city is set one
# square east of the resumed stack; no treaty, "Raze City" off; the stack moves east into it.
python3 - "$E2E_TMP/save9.original" "$E2E_TMP/capture.GAM" "$USER_DIR/RAROZ.SET" "$E2E_TMP/stack.txt" \
  "$E2E_TMP/city.txt" <<'PY' || fail "no city to take could be set up"
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
stack = [int(v) for v in open(sys.argv[4]).read().split()]
units = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
cities = struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0]
def city_square(c): b = save_layout.city(c); return bytes(save[b + 15:b + 18])
def city_owner(c): return struct.unpack_from("<b", save, save_layout.city(c) + 18)[0]
def occupied(square): return any(save[save_layout.unit(i):save_layout.unit(i) + 3] == square for i in range(units))
fortress = bytes(save[save_layout.FORTRESSES + 4:save_layout.FORTRESSES + 7])
here = save[save_layout.unit(stack[0]):save_layout.unit(stack[0]) + 3]
east = bytes([(here[0] + 1) % 60, here[1], here[2]])
assert not occupied(east) and all(city_square(k) != east for k in range(cities)), "the square east of the stack is taken"
chosen = None
for c in range(cities):
    if city_owner(c) == 1 and city_square(c) != fortress and not occupied(city_square(c)):
        chosen = c
        break
assert chosen is not None, "no empty city of wizard 1 but his fortress"
assert sum(1 for c in range(cities) if city_owner(c) == 1) >= 2, "wizard 1 holds only that city"
b = save_layout.city(chosen)
save[b + 15:b + 18] = east
p0, p1 = save_layout.player(0), save_layout.player(1)
TREATY, FAME = 344, 36
save[p0 + TREATY + 1] = 0
save[p1 + TREATY + 0] = 0
struct.pack_into("<h", save, p1 + FAME, 10)
struct.pack_into("<h", save, p1 + save_layout.PLAYER_GOLD, 700)
open(sys.argv[2], "wb").write(save)
settings = bytearray(open(sys.argv[3], "rb").read())
struct.pack_into("<H", settings, 14, 0)
open(sys.argv[3], "wb").write(settings)
open(sys.argv[5], "w").write("%d\n" % chosen)
PY
cp "$E2E_TMP/capture.GAM" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --seed1 7 --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
python3 - "$E2E_TMP/capture.GAM" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/stack.txt" "$E2E_TMP/city.txt" <<'PY' \
  || fail "the empty city was not taken as expected"
import struct, sys
import save_layout
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
stack = [int(v) for v in open(sys.argv[3]).read().split()]
chosen = int(open(sys.argv[4]).read())
def i16(save, at): return struct.unpack_from("<h", save, at)[0]
def city_population(save, c): return save[save_layout.city(c) + 20]
b = save_layout.city(chosen)
square = after[b + 15:b + 18]
size = before[b + 19]
assert struct.unpack_from("<b", after, b + 18)[0] == 0, "the city is not the human's"
for i in stack:
    assert after[save_layout.unit(i):save_layout.unit(i) + 3] == square, ("the stack is not on the city", i)
cities = i16(before, save_layout.CITY_COUNT)
total = sum(city_population(before, c) for c in range(cities) if struct.unpack_from("<b", before, save_layout.city(c) + 18)[0] == 1)
gold = 700 * city_population(before, chosen) // total
p0, p1 = save_layout.player(0), save_layout.player(1)
G, FAME, TREATY, HOSTILITY, COUNTDOWN = save_layout.PLAYER_GOLD, 36, 344, 1182, 1194
assert i16(after, p1 + G) == 700 - gold, ("his gold", i16(after, p1 + G), 700 - gold)
assert i16(after, p0 + G) == i16(before, p0 + G) + gold, ("the human's gold", i16(before, p0 + G), i16(after, p0 + G), gold)
assert i16(after, p1 + FAME) == 10 - size, ("his fame", i16(after, p1 + FAME), size)
assert after[p0 + TREATY + 1] == 3 and after[p1 + TREATY + 0] == 3, ("treaties", after[p0 + TREATY + 1], after[p1 + TREATY])
assert i16(after, p1 + HOSTILITY) == 3, ("hostility", i16(after, p1 + HOSTILITY))
assert 16 <= i16(after, p1 + COUNTDOWN) <= 25, ("countdown", i16(after, p1 + COUNTDOWN))
print("city %d taken with %d gold" % (chosen, gold))
PY
pass "an empty city of a computer wizard was taken with its gold, fame, treaties and hostility saved"
