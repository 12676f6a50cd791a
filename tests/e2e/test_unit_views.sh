#!/usr/bin/env bash
# The unit views on the fixture game: the statistics window opens from the unit window and keeps
# clicks inside it, Esc closes it; another wizard's stack shows its list, closed by any click;
# switching off Water Walking spares the spearmen on land and drowns the one on the lake; Dismiss
# and Y disband a unit; I opens the surveyor and C returns on the plane shown before. The continue
# game written by the load screen's Quit holds the outcome.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
FIXTURE="$TOLVA_DATA_DIR/fixtures/CAPITAL_UNITS.GAM"
[ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"
mkdir -p "$USER_DIR"
cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"

run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/unit_views.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "click (100, 50)"
grep -A1 "click (100, 50)" "$LOG" | grep -qF "rect=(31,6)-(248,190)" || fail "a click inside the window did not hit the window"
expect_in_file "$LOG" "Unit_List_Window: unit 19, 1 troops, mode 0"
grep -A1 "click (20, 20)" "$LOG" | grep -qF "rect=(0,0)-(319,199)" || fail "a click did not hit the list's full-screen field"
expect_in_file "$LOG" "Unit_Statistics_Popup: unit 18 dismissed"
expect_in_file "$LOG" "Advisor_Screen: advisor 0"
opened=$(grep -o "Surveyor_Screen: opened on plane [01]" "$LOG" | head -1 | grep -o "[01]$")
[ -n "$opened" ] || fail "the surveyor did not open"
expect_in_file "$LOG" "Surveyor_Screen: plane $((1 - opened)) shown"
expect_in_file "$LOG" "Surveyor_Screen: back to the main screen on plane $opened"

python3 - "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the removals and the disbanding"
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
UNITS = save_layout.UNITS
def unit(i): return save[UNITS + 32 * i:UNITS + 32 * i + 32]
def owner(u): return struct.unpack_from("<b", u, 3)[0]
def enchantments(u): return struct.unpack_from("<I", u, 24)[0]
def at(x, y, who):
    return [u for u in map(unit, range(struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]))
            if u[0] == x and u[1] == y and u[2] == 0 and owner(u) == who]
land = at(21, 14, 0)
assert len(land) == 1 and land[0][5] == 104, "the land walker is gone"
assert enchantments(land[0]) & 0x100 == 0, "the land walker keeps Water Walking"
assert not at(19, 14, 0), "the water walker did not drown"
assert not at(22, 14, 0), "the spare spearmen was not disbanded"
assert at(22, 13, 0) and at(23, 14, 1), "a unit nobody touched is gone"
PY
pass "statistics window, unit list, enchantment removal, disbanding and surveyor on the fixture game"
