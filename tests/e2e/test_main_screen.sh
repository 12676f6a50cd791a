#!/usr/bin/env bash
# The main screen and the load and save screen: the load screen opened from the main menu keeps
# the continue game on Quit and refuses a damaged slot without ending the run; a continued game
# moves its first stack east by key, is saved to a named slot and quit to the continue file; and a
# slot loaded from the main menu is what Quit writes back.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
scenario() { printf '%s\n' "$@" > "$E2E_TMP/scenario.txt"; }
# The stand-ins whose presence in the log means a part of this test cannot be checked yet.
missing() {
  local name found=""
  for name in "$@"; do grep -q "${name}__STUB" "$LOG" && found="$found $name"; done
  echo "$found"
}

# ---- the load screen from the main menu: Quit keeps SAVE9.GAM byte for byte ----
scenario "wait_screen Main_Menu_Screen 5s" "key l" "wait_screen Load_Screen 5s" "wait 5f" "click 60 177" \
         "wait_screen Main_Menu_Screen 5s" "wait 3f" "key q" "wait 10f" "quit"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/save9.before"
cmp -s "$USER_DIR/SAVE9.GAM" "$TOLVA_DATA_DIR/SAVE9.GAM" || fail "Quit with no game in memory changed SAVE9.GAM"
expect_in_file "$LOG" "no game in memory; SAVE9.GAM is kept"
pass "the load screen opened from the main menu keeps SAVE9.GAM on Quit"

# ---- a 1,000-byte SAVE2.GAM is refused; the run goes on and Quit keeps the continue game ----
head -c 1000 /dev/urandom > "$USER_DIR/SAVE2.GAM"
scenario "wait_screen Main_Menu_Screen 5s" "key l" "wait_screen Load_Screen 5s" "wait 5f" "click 100 67" \
         "wait 3f" "click 100 177" "wait 10f" "click 60 177" "wait_screen Main_Menu_Screen 5s" "wait 3f" "key q" \
         "wait 10f" "quit"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
grep -q '\[ERROR\].*SAVE2\.GAM' "$LOG" || fail "no ERROR naming SAVE2.GAM"
expect_in_file "$LOG" "1000 bytes"
cmp -s "$USER_DIR/SAVE9.GAM" "$E2E_TMP/save9.before" || fail "the refused load changed SAVE9.GAM"
grep -q "Main_Menu_Screen: entry 3 chosen" "$LOG" || fail "the run did not go on to the main menu"
rm -f "$USER_DIR/SAVE2.GAM"
pass "a short SAVE2.GAM is refused with an ERROR naming it; the run goes on and SAVE9.GAM is kept"

# ---- continue, move east, save to slot 1 as tv15, Quit ----
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/main_screen_move_save.txt"
expect_rc 0
gaps=$(missing Main_Screen Move_Stack WIZ_NextIdleStack Select_Unit_Stack)
if [ -n "$gaps" ]; then
  fail "moving and saving from the main screen ran stand-ins of:$gaps"
else
  python3 - "$E2E_TMP/save9.before" "$USER_DIR/SAVE9.GAM" "$USER_DIR/SAVE1.GAM" "$USER_DIR/RAROZ.SET" <<'PY' \
    || fail "the continued game was not moved and saved as expected"
import struct, sys
import save_layout
before, after, slot1, settings = (open(p, "rb").read() for p in sys.argv[1:5])
UNITS, COUNT, TURN = save_layout.UNITS, save_layout.UNIT_COUNT, save_layout.TURN
def units(save):
    n = struct.unpack_from("<h", save, COUNT)[0]
    return [save[UNITS + 32 * i:UNITS + 32 * i + 32] for i in range(n)]
assert len(slot1) == save_layout.SAVE_SIZE and slot1[TURN:TURN + 2] == before[TURN:TURN + 2], "SAVE1.GAM is not the continued game"
assert settings[48:50] == b"\x01\x00", settings[48:50]
assert settings[64:68] == b"tv15", settings[64:84]
old, new = units(before), units(after)
assert len(old) == len(new), (len(old), len(new))
moved = [(o, n) for o, n in zip(old, new) if o[0:3] != n[0:3]]
assert moved, "no unit moved"
assert len({o[0:3] for o, _ in moved}) == 1, "the moved units came from more than one square"
for o, n in moved:
    assert n[0] == (o[0] + 1) % 60 and n[1] == o[1] and n[2] == o[2], (o[0:3], n[0:3])
    assert n[8] < o[8], "a moved unit kept all its moves"
assert [u[0:3] for u in units(slot1)] == [u[0:3] for u in new], "Quit saved other units than slot 1"
PY
  pass "the resumed stack moved one square east, slot 1 holds it as tv15, and Quit wrote it to SAVE9.GAM"
fi

# ---- slot 1 loaded from the main menu is what Quit writes back ----
cp "$USER_DIR/SAVE1.GAM" "$E2E_TMP/save1.before"
scenario "wait_screen Main_Menu_Screen 5s" "key l" "wait_screen Load_Screen 5s" "wait 5f" "click 100 52" "wait 3f" \
         "click 100 177" "wait_screen Main_Screen 10s" "wait 10f" "key g" "wait_screen Load_Screen 5s" "wait 5f" \
         "click 60 177" "wait_screen Main_Menu_Screen 5s" "wait 3f" "key q" "wait 10f" "quit"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "[screen=105 MainScreen"
gaps=$(missing Main_Screen)
if [ -n "$gaps" ]; then
  fail "quitting a loaded game from the main screen ran stand-ins of:$gaps"
else
  python3 - "$E2E_TMP/save1.before" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "Quit did not write slot 1's game"
import struct, sys
import save_layout
slot1, after = (open(p, "rb").read() for p in sys.argv[1:3])
UNITS, COUNT, TURN = save_layout.UNITS, save_layout.UNIT_COUNT, save_layout.TURN
assert after[TURN:TURN + 2] == slot1[TURN:TURN + 2], "another turn"
def squares(save):
    n = struct.unpack_from("<h", save, COUNT)[0]
    # Go-to stacks walk when a game is resumed; every other unit stays where it was.
    return [save[UNITS + 32 * i:UNITS + 32 * i + 3] for i in range(n) if save[UNITS + 32 * i + 11] != 3]
assert squares(after) == squares(slot1), "the units stand elsewhere"
PY
  pass "slot 1 loaded from the main menu is written back to SAVE9.GAM by Quit"
fi
