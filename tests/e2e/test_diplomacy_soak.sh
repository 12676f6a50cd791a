#!/usr/bin/env bash
# Thirteen turns of diplomacy: from the stand-in SAVE9.GAM at turn 43 with the human's units on
# patrol, the wizards meet, drift, treat and quarrel through thirteen ends of turn, every audience
# clicked through. The autosave of turn 56 keeps every pair's relation, treaty and default relation
# the same in both records, relations within -100..100, each wizard's regard for itself 0, and
# truces within 0..20. With the pool guards on, no integrity fault is logged.
source "$(dirname "$0")/lib.sh"
use_standin_data

FIXTURE="$E2E_TMP/diplomacy.gam"
SCENARIO="$E2E_TMP/soak.txt"

# Every unit of the human finished and on patrol, so only the next-turn key ends a turn, and every
# city of his with as many farmers as people, so no starvation question holds a turn.
python3 - "$TOLVA_DATA_DIR/SAVE9.GAM" "$FIXTURE" <<'PY'
import struct, sys
import save_layout
UNITS, CITIES = save_layout.UNITS, save_layout.CITIES
save = bytearray(open(sys.argv[1], "rb").read())
struct.pack_into("<h", save, save_layout.TURN, 43)
cities, units = struct.unpack_from("<hh", save, save_layout.CITY_COUNT)
for i in range(units):
    unit = UNITS + 32 * i
    if save[unit + 3] == 0:
        save[unit + 7], save[unit + 9], save[unit + 10], save[unit + 11] = 1, 0, 0, 1  # finished, patrolling
for c in range(cities):
    city = CITIES + 114 * c
    if save[city + 18] == 0:
        save[city + 21] = save[city + 20]
open(sys.argv[2], "wb").write(save)
PY

# Each end of turn: two clicks for the audiences of the two wizards, one for the chancellor's report
# once the turn has moved on. The driver counts its waits only while the game reads input, so a
# click cannot fall into the world turn; a click that finds the main screen at (319, 199) hits no
# field. An audience holds a click for about four of its frames, hence 15 frames between clicks.
{
  echo "wait_screen Main_Screen 10s"
  echo "wait 3f"
  for turn in $(seq 44 56); do
    printf '%s\n' next_turn "wait 5f" "click 319 199" "wait 15f" "click 319 199" "wait_turn $turn 30s" \
      "wait 15f" "click 319 199" "wait_screen Main_Screen 20s" "wait 2f"
  done
  echo quit
} >"$SCENARIO"

TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --load "$FIXTURE" --scenario "$SCENARIO"
expect_rc 0
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
expect_not_in_file "$LOG" "[INTEGRITY]"
[ "$(grep -c '\[GOLD\] BEFORE Update_Players_Gold_Reserve' "$LOG")" -eq 13 ] || fail "not thirteen ends of turn"
python3 - "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the wizards' records disagree after thirteen turns"
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
PLAYERS, RECORD = save_layout.PLAYERS, save_layout.PLAYER_SIZE
RELATION, TREATY, DEFAULT_RELATION, PEACE_COUNTDOWN = 338, 344, 386, 1200
assert struct.unpack_from("<h", save, save_layout.TURN)[0] == 56, "the autosave is not of turn 56"
wizards = struct.unpack_from("<h", save, save_layout.NUM_PLAYERS)[0]
def field(a, offset, b, fmt="<b"):
    return struct.unpack_from(fmt, save, PLAYERS + RECORD * a + offset + b)[0]
for a in range(wizards):
    assert field(a, RELATION, a) == 0, f"wizard {a} regards itself as {field(a, RELATION, a)}"
    for b in range(wizards):
        relation, treaty = field(a, RELATION, b), field(a, TREATY, b, "<B")
        assert relation == field(b, RELATION, a), ("relation", a, b, relation, field(b, RELATION, a))
        assert treaty == field(b, TREATY, a, "<B"), ("treaty", a, b, treaty, field(b, TREATY, a, "<B"))
        assert treaty <= 4, ("treaty", a, b, treaty)
        assert field(a, DEFAULT_RELATION, b) == field(b, DEFAULT_RELATION, a), ("default relation", a, b)
        assert -100 <= relation <= 100, ("relation", a, b, relation)
        assert a == b or 0 <= field(a, PEACE_COUNTDOWN, b) <= 20, ("truce", a, b, field(a, PEACE_COUNTDOWN, b))
PY
pass "thirteen ends of turn: relations, treaties and default relations mirrored in every pair, within bounds, truces within 0..20"
