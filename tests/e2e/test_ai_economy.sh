#!/usr/bin/env bash
# The computer wizards' economy over 60 turns: a generated world played headless with every wizard
# computer-run. The run exits 0 with no integrity fault; in the autosave every wizard that still
# has a fortress, the human's included, keeps its tax rate at most 4 and its power shares summing
# to 100; every neutral city has its garrison building built or in production; and the wizards'
# cities build at least three different things besides trade goods and housing.
source "$(dirname "$0")/lib.sh"
use_standin_data

TURNS=60
run_soak_world 3 "$TURNS" --seed 77 --landsize 1 --magic 1 --difficulty 3 --opponents 4 --wizard 0 --race 8 --banner 0
expect_rc 0
expect_not_in_file "$LOG" "[INTEGRITY]"
SAVE="$USER_DIR/SAVE9.GAM"
[ -f "$SAVE" ] || fail "no autosave at $SAVE"

python3 - "$SAVE" "$OUT" "$TURNS" <<'PY' || fail "the economy checks failed"
import re, struct, sys
import save_layout as s

save, out = (open(p, "rb").read() for p in sys.argv[1:3])
turns = int(sys.argv[3])
seen = re.findall(r"^\[SOAK\] turn=(\d+) ", out.decode("latin-1"), re.M)
assert len(seen) >= turns, ("turns played", len(seen), turns)

wizards = struct.unpack_from("<h", save, s.NUM_PLAYERS)[0]
checked = 0
for p in range(min(wizards, 5)):
    if save[s.FORTRESSES + 4 * p + 3] != 1:
        continue
    at = s.PLAYERS + p * s.PLAYER_SIZE
    tax = struct.unpack_from("<h", save, at + 88)[0]
    shares = list(save[at + 42:at + 45])
    assert 0 <= tax <= 4, ("tax rate", p, tax)
    assert sum(shares) == 100, ("power shares", p, shares)
    checked += 1
assert checked > 0, "no wizard has a fortress"

products = set()
for c in range(struct.unpack_from("<h", save, s.CITY_COUNT)[0]):
    at = s.CITIES + c * s.CITY_SIZE
    owner = save[at + 18]
    construction = struct.unpack_from("<h", save, at + 28)[0]
    if owner == 5:
        status = struct.unpack_from("<b", save, at + 31 + 3)[0]
        assert status in (0, 1) or construction == 3, ("neutral city without its garrison building", c, status, construction)
    elif owner <= 4 and construction not in (1, 2, -4):
        products.add(construction)
print(f"wizards checked {checked}, products {sorted(products)}")
assert len(products) >= 3, ("the wizards' cities build too little", sorted(products))
PY
pass "$TURNS computer-run turns: taxes, shares, neutral garrisons and the wizards' production hold"
