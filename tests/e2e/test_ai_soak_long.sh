#!/usr/bin/env bash
# A long computer-run game: the soak world played TOLVA_SOAK_LONG_TURNS world turns (500 by
# default) once. The run exits 0 with one "[SOAK] turn=" line per turn (or up to a "[SOAK] game
# end" line), no integrity fault, no timed-out wait; the last autosave (every fourth turn) holds a
# sane world: live units on the map with valid types, treasuries in range, the computer players'
# targets and countdowns in range, and every wizard with a known strategy and hostilities, and a
# fortress unless the game ended or the wizard fell (then it casts the Spell of Return or holds no
# city: the human's wizard falls as any other, the computer playing it).
source "$(dirname "$0")/lib.sh"
use_standin_data

TURNS="${TOLVA_SOAK_LONG_TURNS:-500}"
run_soak_world 5 "$TURNS" --seed 31 --landsize 1 --magic 1 --difficulty 2 --opponents 4 --wizard 0 --race 8 --banner 0
expect_rc 0
for bad in "[INTEGRITY]" "Near Allocation too large" "TIMEOUT on state-aware wait"; do
  expect_not_in_file "$LOG" "$bad"
done
python3 - "$OUT" "$USER_DIR/SAVE9.GAM" "$START" "$TURNS" <<'PY' || fail "the long soak's autosave is not sane"
import re, struct, sys
import save_layout as L

out, save, start, turns = open(sys.argv[1]).read(), open(sys.argv[2], "rb").read(), int(sys.argv[3]), int(sys.argv[4])
seen = [int(t) for t in re.findall(r"^\[SOAK\] turn=(\d+) ", out, re.M)]
ended = "[SOAK] game end" in out
# The turn that ends the game stops before the turn count moves on, so its line repeats the last.
if ended and len(seen) > 1 and seen[-1] == seen[-2]:
    seen.pop()
assert seen == list(range(start + 1, start + 1 + len(seen))), seen[:5]
assert ended or len(seen) >= turns, (len(seen), turns)
i16 = lambda at: struct.unpack_from("<h", save, at)[0]
turn = i16(L.TURN)
assert turn % 4 == 0 and turn > seen[-1] - 4 - 4 * ended, f"autosave of turn {turn}, last turn {seen[-1]}"

units = i16(L.UNIT_COUNT)
assert 0 < units <= 1009, units
live = 0
for u in range(units):
    at = L.unit(u)
    wx, wy, wp, owner, typ = save[at], save[at + 1], save[at + 2], struct.unpack_from("<b", save, at + L.UNIT_OWNER)[0], save[at + L.UNIT_TYPE]
    if not 0 <= owner <= 5:
        continue
    live += 1
    assert typ < 198, f"unit {u}: type {typ}"
    assert wp == 9 or (wx < L.WORLD_WIDTH and wy < L.WORLD_HEIGHT and wp < 2), f"unit {u} at ({wx}, {wy}, {wp})"
assert live > 0, "no live unit"

wizards = i16(L.NUM_PLAYERS)
for p in range(wizards):
    at = L.player(p)
    gold, mana = i16(at + L.PLAYER_GOLD), i16(at + L.PLAYER_MANA)
    assert 0 <= gold <= 30000 and 0 <= mana <= 30000, f"player {p}: gold {gold}, mana {mana}"
    fortress = L.FORTRESSES + 4 * p
    fallen = i16(at + L.PLAYER_CASTING_SPELL) == 214 or not any(
        save[L.city(c) + 18] == p for c in range(i16(L.CITY_COUNT)))
    assert ended or save[fortress + 3] == 1 or fallen, f"wizard {p} has no fortress and has not fallen"
    assert i16(at + 1178) in (1, 4, 5), f"wizard {p}: strategy {i16(at + 1178)}"
    for other in range(6):
        assert 0 <= i16(at + 1182 + 2 * other) <= 4, f"wizard {p}: hostility {other}"

# The computer players' landmass arrays live in the neutral record.
ai = L.player(5) + 612
for p in range(wizards):
    for plane in range(2):
        assert 0 <= i16(ai + 12 * plane + 2 * p) <= 59, f"war target of {p} on plane {plane}"
        assert 0 <= i16(ai + 120 + 20 * plane + 2 * p) <= 59, f"settler target of {p} on plane {plane}"
        assert 0 <= i16(ai + 160 + 20 * plane + 2 * p) < L.WORLD_WIDTH, f"settler x of {p} on plane {plane}"
        assert 0 <= i16(ai + 200 + 12 * plane + 2 * p) < L.WORLD_HEIGHT, f"settler y of {p} on plane {plane}"
    assert 0 <= i16(ai + 24 + 2 * p) <= 45, f"continent countdown of {p}"
ms = [int(m) for m in re.findall(r"^\[SOAK\] turn=\d+ .* ms=(\d+)", out, re.M)]
print(f"long soak: {len(ms)} turns to turn {turn} saved, {live} live units, mean turn {sum(ms) / len(ms):.1f} ms, largest {max(ms)} ms")
PY
pass "up to $TURNS computer-run turns: a sane world in the last autosave"
