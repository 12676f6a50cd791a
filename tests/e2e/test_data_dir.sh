#!/usr/bin/env bash
# tolva_data_dir prints the game-data folder the program would use (what run.sh asks), found by
# the program's own search, and writes nothing.
source "$(dirname "$0")/lib.sh"
HELPER="$(dirname "$TOLVA_BIN")/tolva_data_dir"
[ -x "$HELPER" ] || fail "no tolva_data_dir next to $TOLVA_BIN"

use_empty_data
cd "$E2E_TMP"
set +e; found=$("$HELPER"); rc=$?; set -e
[ "$rc" -eq 1 ] && [ -z "$found" ] || fail "without game data: rc $rc, printed '$found'"
[ ! -e "$CONFIG_DIR" ] || fail "the helper created $CONFIG_DIR"
pass "no game data: nothing printed, exit 1, nothing written"

use_standin_data
[ "$("$HELPER")" = "$TOLVA_DATA_DIR" ] || fail "TOLVA_DATA_DIR not printed"
pass "TOLVA_DATA_DIR is the folder"

# Tolva.ini's game_data, from the config folder, and the program folder's file first.
installed="$TOLVA_DATA_DIR"
unset TOLVA_DATA_DIR
mkdir -p "$CONFIG_DIR"
printf '[Paths]\ngame_data = "%s"\n' "$installed" > "$CONFIG_DIR/Tolva.ini"
[ "$("$HELPER")" = "$installed" ] || fail "game_data of the config folder's Tolva.ini not used"
mkdir -p "$HOME/Games/Velmora"
cp "$installed/FONTS.LBX" "$HOME/Games/Velmora/"
printf '[Paths]\ngame_data = %s\n' "$E2E_TMP/none" > "$TOLVA_PROGRAM_DIR/Tolva.ini"
[ "$("$HELPER")" = "$HOME/Games/Velmora" ] || fail "the program folder's Tolva.ini did not win, or the usual folders were not searched"
pass "Tolva.ini and the usual installation folders, in the program's order"
