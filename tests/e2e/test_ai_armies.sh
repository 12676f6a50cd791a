#!/usr/bin/env bash
# The computer wizards' armies over a longer game: a generated world at the hardest difficulty
# played headless for TOLVA_ARMIES_TURNS world turns (150 by default) with every wizard
# computer-run; every one of them is played, whoever falls on the way. The run exits 0 with no
# integrity fault; the wizards end with more cities than they began with; the neutral player has
# raided at least once and sent monsters out of a lair, never before turn 50; and the autosave
# keeps the neutral player's raider counter within 0..29 while the wizards' records keep those
# bytes 0.
source "$(dirname "$0")/lib.sh"
use_standin_data

TURNS="${TOLVA_ARMIES_TURNS:-150}"
run_soak_world 9 "$TURNS" --seed 52 --landsize 1 --magic 1 --difficulty 4 --opponents 4 --wizard 0 --race 8 --banner 0
expect_rc 0
for bad in "[INTEGRITY]" "Near Allocation too large"; do
  expect_not_in_file "$LOG" "$bad"
done
SAVE="$USER_DIR/SAVE9.GAM"
# TOLVA_ARMIES_KEEP names a folder that keeps the output, the log and the autosave for inspection.
if [ -n "${TOLVA_ARMIES_KEEP:-}" ]; then
  mkdir -p "$TOLVA_ARMIES_KEEP"
  cp "$OUT" "$LOG" "$SAVE" "$TOLVA_ARMIES_KEEP/" 2>/dev/null || true
fi
[ -f "$SAVE" ] || fail "no autosave at $SAVE"

python3 - "$WORLD" "$SAVE" "$LOG" "$OUT" "$START" "$TURNS" <<'PY' || fail "the armies' checks failed"
import re, struct, sys
import save_layout as s

world, save, log, out = (open(p, "rb").read() for p in sys.argv[1:5])
start, turns = int(sys.argv[5]), int(sys.argv[6])
text = log.decode("latin-1") + out.decode("latin-1")

seen = [int(t) for t in re.findall(r"^\[SOAK\] turn=(\d+) ", out.decode("latin-1"), re.M)]
assert "[SOAK] game end" not in text, "the game ended before its turns were played"
assert len(seen) >= turns, ("turns played", len(seen), turns)

def wizard_cities(image):
    count = struct.unpack_from("<h", image, s.CITY_COUNT)[0]
    return sum(1 for j in range(count) if 1 <= image[s.CITIES + j * s.CITY_SIZE + 18] <= 4)

before, after = wizard_cities(world), wizard_cities(save)
print(f"wizard cities: {before} at the start, {after} at the end")
assert after > before, ("the wizards' cities did not grow", before, after)

raids = re.findall(r"\[NPC\] raiders: turn=(\d+) city=(\d+) created=(\d+)", text)
monsters = [int(t) for t in re.findall(r"\[NPC\] monsters: turn=(\d+) lair=", text)]
print(f"raids {len(raids)}, monster parties {len(monsters)}")
assert raids, "no [NPC] raiders: line"
assert monsters, "no [NPC] monsters: line"
assert min(monsters) >= 50, ("monsters before turn 50", min(monsters))

def counter(image, player):
    return struct.unpack_from("<h", image, s.PLAYERS + player * s.PLAYER_SIZE + 74)[0]

assert 0 <= counter(save, 5) <= 29, ("neutral raider counter", counter(save, 5))
for p in range(5):
    assert counter(save, p) == 0, ("a wizard's +74 is not 0", p, counter(save, p))
PY
pass "$TURNS computer-run turns at difficulty 4: the wizards spread, the neutral player raids and sends monsters"
