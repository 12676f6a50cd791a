#!/usr/bin/env bash
# What a world turn puts before the player ends by itself while a headless script only waits: from
# the stand-in turn-40 game, whose computer wizards ask for audiences at the end of turn, a script
# that just ends four turns reaches turn 44 within seconds, with no wait of the script timing out,
# and the turn-44 autosave is written.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIO="$(cd "$(dirname "$0")/../scenarios" && pwd)/world_turns_unattended.txt"
FIXTURE="$TOLVA_DATA_DIR/fixtures/CAPITAL_UNITS.GAM"
[ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"

OUT="$E2E_TMP/stdout"
ERR="$E2E_TMP/stderr"
set +e
timeout 60 "$TOLVA_BIN" ZOLAN --headless --load "$FIXTURE" --scenario "$SCENARIO" >"$OUT" 2>"$ERR"
RC=$?
set -e
[ "$RC" -ne 124 ] || fail "four ends of turn took more than 60 s"
expect_rc 0
expect_in_file "$LOG" "[DIPLOMACY] audience with player"
expect_not_in_file "$LOG" "TIMEOUT on state-aware wait"
python3 - "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the autosave of turn 44 was not written"
import struct, sys
import save_layout
turn = struct.unpack_from("<h", open(sys.argv[1], "rb").read(), save_layout.TURN)[0]
assert turn == 44, f"SAVE9.GAM holds turn {turn}, not 44"
PY
pass "four world turns from the turn-40 game end by themselves and autosave turn 44"
