#!/usr/bin/env bash
# Wizards treat with the human at the end of a turn. From the stand-in SAVE9.GAM at turn 43 with the
# human's units on patrol, one end of turn greets: each wizard met opens an audience with its
# greeting (15 + its personality), clicked through, and the autosave of turn 44 records both
# greetings done, no order left pending and the fixture's cities. Then a border dispute: under a
# Wizard Pact with wizard 1, with a unit of the human beside wizard 1's city, five ends of turn
# bring its complaint (73) and then the broken pact (5), and the autosave of turn 48 holds no
# treaty and the broken pact's mark in both records. With the pool guards on, neither run logs an
# integrity fault.
source "$(dirname "$0")/lib.sh"
use_standin_data

FIXTURE="$E2E_TMP/diplomacy.gam"
DISPUTE="$E2E_TMP/border_dispute.gam"

python3 - "$TOLVA_DATA_DIR/SAVE9.GAM" "$FIXTURE" "$DISPUTE" <<'PY'
import struct, sys
import save_layout
source, fixture, dispute = sys.argv[1:4]
PLAYERS, RECORD, UNITS, CITIES = save_layout.PLAYERS, save_layout.PLAYER_SIZE, save_layout.UNITS, save_layout.CITIES
save = bytearray(open(source, "rb").read())
num_players, cities, units = struct.unpack_from("<h", save, save_layout.NUM_PLAYERS)[0], *struct.unpack_from("<hh", save, save_layout.CITY_COUNT)
assert num_players == 3, num_players
struct.pack_into("<h", save, save_layout.TURN, 43)
# Every unit of the human finished and on patrol, so only the next-turn key ends a turn, and every
# city of his with as many farmers as people, so no starvation question holds a turn.
human = [i for i in range(units) if save[UNITS + 32 * i + 3] == 0]
assert human, "the stand-in game has no unit of the human"
for i in human:
    unit = UNITS + 32 * i
    save[unit + 7] = 1  # finished
    save[unit + 9] = save[unit + 10] = 0  # no destination
    save[unit + 11] = 1  # patrol
for c in range(cities):
    city = CITIES + 114 * c
    if save[city + 18] == 0:
        save[city + 21] = save[city + 20]
for k in (1, 2):
    assert save[PLAYERS + 296 + k] == 1, f"the human has not met wizard {k}"
    assert save[PLAYERS + 392 + k] == 0, f"wizard {k} has already greeted"
    assert save[PLAYERS + 362 + k] == 0, f"wizard {k} already holds an order"
open(fixture, "wb").write(save)

# A Wizard Pact with wizard 1 in both records, both greetings done, and the human's first unit two
# squares east of wizard 1's city, on its plane.
save[PLAYERS + 344 + 1] = save[PLAYERS + RECORD + 344 + 0] = 1
save[PLAYERS + 392 + 1] = save[PLAYERS + 392 + 2] = 2
city = next(CITIES + 114 * c for c in range(cities) if save[CITIES + 114 * c + 18] == 1)
unit = UNITS + 32 * human[0]
save[unit + 0], save[unit + 1], save[unit + 2] = (save[city + 15] + 2) % 60, save[city + 16], save[city + 17]
open(dispute, "wb").write(save)
PY

# Ends of turn from turn $1 to turn $2. Each clicks twice for the audiences of the two wizards and
# once more for the chancellor's report after the turn has moved on. The driver counts its waits
# only while the game reads input, so no click falls into the world turn; a click that finds the
# main screen at (319, 199) hits no field. An audience holds a click for about four of its frames,
# hence 15 frames between clicks.
ends_of_turn() {
  echo "wait_screen Main_Screen 10s"
  echo "wait 3f"
  for turn in $(seq $(($1 + 1)) "$2"); do
    printf '%s\n' next_turn "wait 5f" "click 319 199" "wait 15f" "click 319 199" "wait_turn $turn 30s" \
      "wait 15f" "click 319 199" "wait_screen Main_Screen 20s" "wait 2f"
  done
  echo quit
}

# Statements of the audiences with a player, in the order of the log.
statements() {
  sed -n "s/.*\[DIPLOMACY\] audience with player $1: statement \([0-9]*\).*/\1/p" "$LOG" | tr '\n' ' '
}

# ---- one end of turn: the greetings ----
ends_of_turn 43 44 >"$E2E_TMP/one_turn.txt"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --load "$FIXTURE" --scenario "$E2E_TMP/one_turn.txt"
expect_rc 0
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
expect_not_in_file "$LOG" "[INTEGRITY]"
python3 - "$FIXTURE" "$USER_DIR/SAVE9.GAM" "$LOG" <<'PY' || fail "the greetings did not go as expected"
import re, struct, sys
import save_layout
fixture, save, log = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read(), open(sys.argv[3]).read()
PLAYERS, RECORD, CITIES = save_layout.PLAYERS, save_layout.PLAYER_SIZE, save_layout.CITIES
assert struct.unpack_from("<h", save, save_layout.TURN)[0] == 44, "the autosave is not of turn 44"
audiences = [(int(p), int(s)) for p, s in re.findall(r"\[DIPLOMACY\] audience with player (\d+): statement (\d+)", log)]
greetings = [(k, 15 + struct.unpack_from("<h", fixture, PLAYERS + RECORD * k + 24)[0]) for k in (1, 2)]
assert audiences == greetings, (audiences, greetings)
for k in (1, 2):
    assert save[PLAYERS + 392 + k] == 2, ("first contact", k, save[PLAYERS + 392 + k])
# No order is left pending in any record, and none of its size.
for p in range(3):
    record = PLAYERS + RECORD * p
    assert not any(save[record + 362:record + 368]), ("order", p, list(save[record + 362:record + 368]))
    assert not any(struct.unpack_from("<6h", save, record + 350)), ("order size", p)
def names(image):
    count = struct.unpack_from("<h", image, save_layout.CITY_COUNT)[0]
    return [image[CITIES + 114 * c:CITIES + 114 * c + 14].split(b"\0")[0] for c in range(count)]
assert names(save) == names(fixture), (names(fixture), names(save))
PY
pass "one end of turn: each wizard met greets once ($(statements 1)/ $(statements 2)), the autosave of turn 44 records it"

# ---- a border dispute under a Wizard Pact ----
rm -f "$USER_DIR/SAVE9.GAM"
ends_of_turn 43 48 >"$E2E_TMP/dispute.txt"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --load "$DISPUTE" --scenario "$E2E_TMP/dispute.txt"
expect_rc 0
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
expect_not_in_file "$LOG" "[INTEGRITY]"
python3 - "$USER_DIR/SAVE9.GAM" "$LOG" <<'PY' || fail "the border dispute did not go as expected"
import re, struct, sys
import save_layout
save, log = open(sys.argv[1], "rb").read(), open(sys.argv[2]).read().splitlines()
PLAYERS, RECORD = save_layout.PLAYERS, save_layout.PLAYER_SIZE
assert struct.unpack_from("<h", save, save_layout.TURN)[0] == 48, "the autosave is not of turn 48"
# The statements of wizard 1 by the end of turn they came in.
turn, said = 43, []
for line in log:
    if "[GOLD] BEFORE Update_Players_Gold_Reserve" in line:
        turn += 1
    m = re.search(r"\[DIPLOMACY\] audience with player 1: statement (\d+)", line)
    if m:
        said.append((turn, int(m.group(1))))
assert turn == 48, f"{turn - 43} ends of turn"
# The complaint in the first end of turn, a silent one, the broken pact in the third.
assert [s for s in said if s[1] in (73, 5)][:2] == [(44, 73), (46, 5)], said
human, wizard = PLAYERS, PLAYERS + RECORD
assert save[human + 344 + 1] == 0 and save[wizard + 344 + 0] == 0, "the pact still stands"
assert save[human + 398 + 1] == 1 and save[wizard + 398 + 0] == 1, "no mark of the broken pact"
relation = struct.unpack_from("<b", save, human + 338 + 1)[0]
assert relation == struct.unpack_from("<b", save, wizard + 338 + 0)[0], "the relation differs between the records"
assert relation < 0, f"the relation is {relation} after the broken pact"
PY
pass "a border dispute: wizard 1 complains ($(statements 1)), then breaks the pact, marked in both records"
