#!/usr/bin/env bash
# A battle fought on the combat screen: the resumed stack of the stand-in SAVE9.GAM attacks a
# neutral unit one square east of it, the scenario waits for the combat screen, presses Auto and
# waits for the main screen. The log traces attacks, moves and frames; the saved game holds the
# outcome, with 2 experience for each survivor of the winner per unit the loser lost.
source "$(dirname "$0")/lib.sh"
use_standin_data
SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"

mkdir -p "$USER_DIR" "$CONFIG_DIR"
printf '[Logging]\nCOMBAT_TEST = yes\n' > "$CONFIG_DIR/Tolva.ini"
cp "$TOLVA_DATA_DIR/SAVE9.GAM" "$E2E_TMP/save9.original"

# A first run moves the stack east onto an empty square, which names the stack.
printf '%s\n' "wait_screen Main_Screen 10s" "wait 10f" "right" "wait 30f" "key g" "wait_screen Load_Screen 5s" \
  "wait 5f" "click 60 177" "wait_screen Main_Menu_Screen 5s" "wait 5f" "key q" "wait 10f" "quit" > "$E2E_TMP/move.txt"
cp "$E2E_TMP/save9.original" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --seed1 7 --scenario "$E2E_TMP/move.txt"
expect_rc 0

python3 - "$E2E_TMP/save9.original" "$USER_DIR/SAVE9.GAM" "$E2E_TMP/battle.GAM" "$E2E_TMP/stack.txt" <<'PY' \
  || fail "the resumed stack could not be found"
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
open(sys.argv[4], "w").write(" ".join(map(str, stack)) + "\n")
PY

cp "$E2E_TMP/battle.GAM" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --seed1 7 --scenario "$SCENARIOS/combat_screen_auto.txt"
expect_rc 0
expect_in_file "$LOG" "Combat_Screen: player 0 against 5"
expect_in_file "$LOG" "wait satisfied"
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
expect_in_file "$LOG" "ATTACK turn="
expect_in_file "$LOG" "mode=melee"
expect_in_file "$LOG" "DRAW turn="
expect_in_file "$LOG" "MOVE turn="
expect_not_in_file "$LOG" "Strategic_Combat: player 0 against 5"
pass "the battle was fought on the combat screen under Auto, traced in the log"

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
home = old[stack[0]][0:3]
survivors = [i for i in stack if alive(new[i], 0)]
lost = len(stack) - len(survivors)
if not alive(new[neutral], 5):
    assert survivors, "the neutral unit died but so did the whole stack"
    for i in survivors:
        assert new[i][0:3] == target, ("a survivor is not on the battle square", i, new[i][0:3], target)
        assert xp(new[i]) == xp(old[i]) + 2, ("experience", i, xp(old[i]), xp(new[i]))
    print("stack won: %d of %d units stand on the square" % (len(survivors), len(stack)))
else:
    for i in survivors:
        assert new[i][0:3] == home, ("a survivor of a lost battle is not back home", i, new[i][0:3], home)
    assert xp(new[neutral]) == xp(old[neutral]) + 2 * lost, ("experience", xp(old[neutral]), xp(new[neutral]), lost)
    print("neutral unit held: %d of %d units of the stack fell" % (lost, len(stack)))
PY
pass "the battle on the combat screen was decided and its outcome saved"
