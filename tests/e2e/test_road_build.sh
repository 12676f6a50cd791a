#!/usr/bin/env bash
# Road building on the fixture game: the Engineers' road three squares east gives them a go-to
# order to its end with their own square as the road's start and the road's turns; a road whose
# first square is water gives no orders. The continue game written by the load screen's Quit
# holds the outcome.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
FIXTURE="$TOLVA_DATA_DIR/fixtures/CAPITAL_UNITS.GAM"
[ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"
mkdir -p "$USER_DIR"

# The Engineers' record: bytes 9, 10 destination, 11 status, 28 road turns, 29, 30 road start.
engineers() {
  python3 - "$1" "$2" <<'PY'
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
UNITS, ENGINEERS = save_layout.UNITS, 108
count = struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]
found = [save[UNITS + 32 * i:UNITS + 32 * i + 32] for i in range(count)
         if save[UNITS + 32 * i + 5] == ENGINEERS and save[UNITS + 32 * i + 3] == 0]
assert len(found) == 1, "one Engineers unit of the human expected, found %d" % len(found)
u = found[0]
if sys.argv[2] == "show":
    print(u[0], u[1], u[9], u[10], u[11], struct.unpack_from("<b", u, 28)[0], u[29], u[30])
PY
}

# The fixture with the Engineers ready to act this turn, and moved to x, y when given.
ready_engineers() {
  python3 - "$FIXTURE" "$USER_DIR/SAVE9.GAM" "$@" <<'PY'
import struct, sys
import save_layout
save = bytearray(open(sys.argv[1], "rb").read())
UNITS, ENGINEERS = save_layout.UNITS, 108
for i in range(struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0]):
    at = UNITS + 32 * i
    if save[at + 5] == ENGINEERS and save[at + 3] == 0:
        save[at + 7] = 0
        if len(sys.argv) > 3:
            save[at + 0], save[at + 1] = int(sys.argv[3]), int(sys.argv[4])
open(sys.argv[2], "wb").write(save)
PY
}

# A road three squares east.
ready_engineers
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/road_build.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_not_in_file "$LOG" "Road_Build_Screen__STUB"
grep -q "screen=107" "$LOG" || fail "the road building screen 107 was never polled"
expect_in_file "$LOG" "Road_Build_Screen: opened at (22,13)"
expect_in_file "$LOG" "Road_Build_Screen: line to (25,13) of 3 squares"
expect_in_file "$LOG" "Road_Build_Screen: 1 builders ordered to (25,13)"
read -r x y dx dy status turns fx fy < <(engineers "$USER_DIR/SAVE9.GAM" show) || fail "no Engineers in the continue game"
[ "$status" -eq 3 ] || fail "the Engineers' status is $status, not go-to"
[ "$dx,$dy" = "25,13" ] || fail "the Engineers go to $dx,$dy, not 25,13"
[ "$fx,$fy" = "22,13" ] || fail "the Engineers' road starts at $fx,$fy, not 22,13"
[ "$turns" -ge 0 ] || fail "the Engineers' road turns are $turns"
pass "O gave the Engineers their road: go-to 25,13 from 22,13, $turns turns on their square"

# A road whose first square is the lake: the Engineers stand beside it at 20,14.
rm -rf "$LOG_DIR"
ready_engineers 20 14
before=$(engineers "$USER_DIR/SAVE9.GAM" show)
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/road_build_water.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "Road_Build_Screen: opened at (20,14)"
expect_in_file "$LOG" "Road_Build_Screen: line to (19,14) of 1 squares, -1 turns"
expect_not_in_file "$LOG" "builders ordered"
after=$(engineers "$USER_DIR/SAVE9.GAM" show)
[ "$before" = "$after" ] || fail "a blocked road changed the Engineers: '$before' became '$after'"
pass "a road whose first square is water left the Engineers' orders untouched"
