#!/usr/bin/env bash
# Damaged pictures of the screens opened from the main screen: the city list's background, OK
# button and arrows, the enemy city view, the production breakdown's window, a hero's portrait and
# a unit's figure in the statistics window. Each is refused where it is loaded: the run exits 1
# naming the archive and the entry on standard error, never with a signal.
source "$(dirname "$0")/lib.sh"
use_standin_data

FIXTURES="$TOLVA_DATA_DIR/fixtures"
PRISTINE="$E2E_TMP/pristine"
mkdir -p "$PRISTINE" "$USER_DIR"
cp "$TOLVA_DATA_DIR"/RELOAD.LBX "$TOLVA_DATA_DIR"/ARMYLIST.LBX "$TOLVA_DATA_DIR"/HELP.LBX \
  "$TOLVA_DATA_DIR"/PORTRAIT.LBX "$TOLVA_DATA_DIR"/FIGURE*.LBX "$PRISTINE/"

# damage <archive> <entry|all>: the entry's (or every entry's) first two frame offsets far outside it.
damage() {
  python3 - "$PRISTINE/$1" "$2" "$TOLVA_DATA_DIR/$1" <<'PY'
import struct, sys
src, which, out = sys.argv[1:4]
b = bytearray(open(src, "rb").read())
count = struct.unpack_from("<H", b, 0)[0]
for entry in (range(count) if which == "all" else [int(which)]):
    start, end = struct.unpack_from("<II", b, 8 + 4 * entry)
    if end - start >= 26:
        struct.pack_into("<II", b, start + 18, 0x80000000, 0x80000100)
open(out, "wb").write(b)
PY
}
restore() { cp "$PRISTINE"/*.LBX "$TOLVA_DATA_DIR/"; }

# expect_refused <archive> <entry pattern> <fixture> <scenario lines...>
expect_refused() {
  local archive=$1 entry=$2 fixture=$3
  shift 3
  printf '%s\n' "$@" > "$E2E_TMP/scenario.txt"
  cp "$fixture" "$USER_DIR/SAVE9.GAM"
  run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
  [ "$RC" -eq 1 ] || { cat "$ERR" >&2; fail "damaged $archive entry $entry: exit $RC, expected 1"; }
  grep -qE "^${archive%.LBX}\.LBX \[entry $entry\]" "$ERR" ||
    fail "damaged $archive entry $entry: standard error does not name it: $(head -c 300 "$ERR")"
  restore
}

CITIES=("wait_screen Main_Screen 10s" "wait 10f" "click 160 10" "wait_screen Cities_Screen 5s" "wait 5f" "quit")
for archive_entry in "RELOAD.LBX 21" "RELOAD.LBX 22" "ARMYLIST.LBX 1" "ARMYLIST.LBX 2"; do
  set -- $archive_entry
  damage "$1" "$2"
  expect_refused "$1" "$2" "$FIXTURES/TWENTY_CITIES.GAM" "${CITIES[@]}"
done
pass "the city list refuses damaged RELOAD and ARMYLIST pictures"

damage RELOAD.LBX 26
expect_refused RELOAD.LBX 26 "$FIXTURES/TWENTY_CITIES.GAM" "wait_screen Main_Screen 10s" "wait 10f" \
  "rclick 230 65" "wait 10f" "quit"
pass "the enemy city view refuses a damaged RELOAD picture"

for entry in 0 1; do
  damage HELP.LBX "$entry"
  expect_refused HELP.LBX "$entry" "$FIXTURES/CAPITAL_HOUSING.GAM" "wait_screen Main_Screen 10s" "wait 10f" \
    "rclick 130 119" "wait_screen City_Screen 5s" "wait 10f" "click 100 63" "wait 10f" "quit"
done
pass "the production breakdown refuses a damaged HELP window"

# The statistics window of the spare spearmen beside the capital: their figure, and with the
# spearmen made a hero (type 0), the hero's portrait.
STATS=("wait_screen Main_Screen 10s" "wait 10f" "rclick 170 101" "wait 10f" "rclick 256 90" "wait 10f" "quit")
for archive in "$PRISTINE"/FIGURE*.LBX; do damage "$(basename "$archive")" all; done
expect_refused "FIGURE[S0-9]+.LBX" "[0-9]+" "$FIXTURES/CAPITAL_UNITS.GAM" "${STATS[@]}"
python3 - "$FIXTURES/CAPITAL_UNITS.GAM" "$E2E_TMP/hero.gam" <<'PY'
import struct, sys
save = bytearray(open(sys.argv[1], "rb").read())
from save_layout import UNIT_COUNT, UNITS
spare = [i for i in range(struct.unpack_from("<h", save, UNIT_COUNT)[0])
         if save[UNITS + 32 * i] == 22 and save[UNITS + 32 * i + 1] == 14 and save[UNITS + 32 * i + 3] == 0]
assert spare, "no unit of the human at 22,14"
save[UNITS + 32 * spare[0] + 5] = 0
open(sys.argv[2], "wb").write(save)
PY
damage PORTRAIT.LBX all
expect_refused PORTRAIT.LBX "[0-9]+" "$E2E_TMP/hero.gam" "${STATS[@]}"
pass "the statistics window refuses a damaged figure and a damaged portrait"
