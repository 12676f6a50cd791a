#!/usr/bin/env bash
# Thirteen turns of diplomacy: from the stand-in SAVE9.GAM at turn 43 with the human's units on
# patrol, the wizards meet, drift, treat and quarrel through thirteen ends of turn, every audience
# clicked through. The autosave of turn 56 keeps every pair's relation and treaty the same in both
# records, relations within -100..100, each wizard's regard for itself 0, and truces within 0..20.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
FIXTURE="$E2E_TMP/diplomacy.gam"

python3 - "$TOLVA_DATA_DIR/SAVE9.GAM" "$FIXTURE" <<'PY'
import struct, sys
UNITS = 46900
save = bytearray(open(sys.argv[1], "rb").read())
struct.pack_into("<h", save, 2532, 43)
for i in range(struct.unpack_from("<h", save, 2530)[0]):
    unit = UNITS + 32 * i
    if save[unit + 3] == 0:
        save[unit + 7], save[unit + 9], save[unit + 10], save[unit + 11] = 1, 0, 0, 1  # finished, patrolling
open(sys.argv[2], "wb").write(save)
PY

run_tolva ZOLAN --headless --load "$FIXTURE" --scenario "$SCENARIOS/diplomacy_soak.txt"
expect_rc 0
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
python3 - "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the wizards' records disagree after thirteen turns"
import struct, sys
save = open(sys.argv[1], "rb").read()
PLAYERS, RECORD = 2536, 1224
assert struct.unpack_from("<h", save, 2532)[0] == 56, "the autosave is not of turn 56"
wizards = struct.unpack_from("<h", save, 2520)[0]
def field(a, offset, b, fmt="<b"):
    return struct.unpack_from(fmt, save, PLAYERS + RECORD * a + offset + b)[0]
for a in range(wizards):
    assert field(a, 338, a) == 0, f"wizard {a} regards itself as {field(a, 338, a)}"
    for b in range(wizards):
        relation, treaty = field(a, 338, b), field(a, 344, b, "<B")
        assert relation == field(b, 338, a), (a, b, relation, field(b, 338, a))
        assert treaty == field(b, 344, a, "<B"), (a, b, treaty, field(b, 344, a, "<B"))
        assert -100 <= relation <= 100, (a, b, relation)
        assert 0 <= field(a, 1200, b) <= 20 or a == b, (a, b, field(a, 1200, b))
PY
pass "thirteen ends of turn: relations and treaties mirrored in every pair, within bounds, truces within 0..20"
