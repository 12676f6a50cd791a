#!/usr/bin/env bash
# The game proper on the stand-in installation: continuing the stand-in game loads the game's
# resources (terrain, map overlays, the main screen's pictures, button sounds, rule tables) and
# the overland graphics caches from the stand-in archives, with no error; without any one of
# those archives the run ends naming it, so each is really read.
source "$(dirname "$0")/lib.sh"
use_standin_data

printf '%s\n' "wait 3s" "quit" > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "[screen=105 MainScreen"
expect_only_standin_compat_error "$LOG"
expect_not_in_file "$LOG" "[FATAL"
for name in Load_VEZ_Resources Terrain_Init Main_Screen_Load_Pictures Cache_Graphics Load_Button_Sounds; do
  ! grep -q "$name.*STUB\|STUB.*$name" "$LOG" || fail "the log names a stand-in of $name"
done
pass "continuing the stand-in game loads the game proper's resources and caches without an error"

# Every archive of the first entry into the game proper and of the overland caches is read.
for archive in TERRAIN MAPBACK MAIN BACKGRND BUILDDAT SOUNDFX UNITS1 UNITS2 ITEMS ITEMISC CITYSCAP UNITVIEW SPECIAL2; do
  use_standin_data
  rm -f "$TOLVA_DATA_DIR/$archive.LBX"
  run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/scenario.txt"
  expect_rc 1
  grep -qi "$archive" "$ERR" || { cat "$ERR" >&2; fail "without $archive.LBX standard error does not name it"; }
done
pass "each game-proper and cache archive is read on continuing"
