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

# ---- the same battle in a window, captured: combat frames between main-screen frames ----
export TOLVA_SIMULATED_CLOCK=0
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
cp "$E2E_TMP/battle.GAM" "$USER_DIR/SAVE9.GAM"
CAP="$E2E_TMP/captures"
run_tolva ZOLAN --headless --continue --seed1 7 --capture "$CAP" --capture-fps 10 \
  --scenario "$SCENARIOS/combat_screen_auto.txt"
expect_rc 0
frames=$(sed -n 's/^frame_count=//p' "$CAP/capture_info.txt")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || fail "no frames captured"
python3 - "$CAP/video_rgb24.raw" "$frames" "$TOLVA_DATA_DIR/FONTS.LBX" "${COMBAT_FRAME_DUMP:-}" <<'PY' \
  || fail "the capture does not show the combat screen between main-screen frames"
import struct, sys
raw, frames, fonts, dump = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
lbx = open(fonts, "rb").read()
start, _ = struct.unpack_from("<II", lbx, 8 + 2 * 4)
palette = lbx[start:start + 768]
def rgb(i): return tuple(c * 4 for c in palette[i * 3:i * 3 + 3])
BUTTON, BUTTON_OFF, TEXT, TEXT_OFF = rgb(20), rgb(18), rgb(31), rgb(24)
BUTTONS = [(144, 168), (170, 168), (144, 178), (170, 178), (144, 188), (170, 188)]
def frame(n):
    with open(raw, "rb") as f:
        f.seek(n * 192000)
        return f.read(192000)
def pixel(fr, x, y):
    o = (y * 320 + x) * 3
    return tuple(fr[o:o + 3])
def combat(fr):
    # The six buttons of the lower panel: their face at a corner and a word's pixels inside.
    for (x, y) in BUTTONS:
        if pixel(fr, x + 1, y + 1) not in (BUTTON, BUTTON_OFF):
            return False
        if not any(pixel(fr, xx, yy) in (TEXT, TEXT_OFF) for xx in range(x + 2, x + 23) for yy in range(y + 1, y + 8)):
            return False
    return True
marks = [combat(frame(n)) for n in range(frames)]
first = marks.index(True) if True in marks else -1
assert first > 0, "no combat frame after a first main-screen frame"
last = len(marks) - 1 - marks[::-1].index(True)
assert last < frames - 1, "the capture ends on the combat screen"
print("combat frames %d..%d of %d" % (first, last, frames))
if dump:
    with open(dump, "wb") as out:
        fr = frame((first + last) // 2)
        out.write(b"P6 320 200 255\n" + fr)
PY
pass "a windowed capture shows the combat screen with its six buttons between main-screen frames"
