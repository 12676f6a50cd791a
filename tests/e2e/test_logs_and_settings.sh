#!/usr/bin/env bash
# Log rotation over three runs; Tolva.ini created on the first run and completed later.
source "$(dirname "$0")/lib.sh"

use_standin_data
for run in 1 2 3; do
  run_tolva ZOLAN --headless
  expect_rc 0
done
for name in tolva_log_new.txt tolva_log_current.txt tolva_log_previous.txt; do
  [ -s "$LOG_DIR/$name" ] || fail "$name missing after three runs"
done
pass "three runs leave three log files"

ini="$CONFIG_DIR/Tolva.ini"
example="$CONFIG_DIR/Tolva_example.ini"
[ -f "$ini" ] || fail "Tolva.ini not created"
[ -f "$example" ] || fail "Tolva_example.ini not created"
for key in game_data startup_window scale_mode aspect_ratio; do
  grep -q "^; $key = " "$ini" || fail "$key is not present commented out in Tolva.ini"
done
grep -q "^startup_window = fullscreen$" "$example" || fail "example file should show startup_window live"
grep -q "^; game_data = " "$example" || fail "example file should keep game_data commented"
expect_in_file "$LOG" "[Video] startup_window = fullscreen (default), scale_mode = integer (default), aspect_ratio = 16:10 (default)"
pass "first run creates the settings file and the example"

# Remove a key: the next run backs the file up and adds the key back, commented out.
grep -v "scale_mode = " "$ini" > "$ini.edit" && mv "$ini.edit" "$ini"
run_tolva ZOLAN --headless
expect_rc 0
grep -q "^; scale_mode = integer$" "$ini" || fail "scale_mode was not added back"
[ "$(grep -c "scale_mode = " "$ini")" -eq 1 ] || fail "scale_mode added twice"
ls "$CONFIG_DIR"/Tolva_backup_*.ini >/dev/null 2>&1 || fail "no backup of the settings file"
expect_in_file "$LOG" "settings: added 1 new setting(s) to $ini, commented out; the file as it was is"
pass "a missing key is added back after a backup"

# An unrecognised video value warns and keeps the default.
printf '[Video]\nscale_mode = blurry\nstartup_window = windowed ; comment\n' >> "$ini"
run_tolva ZOLAN --headless
expect_rc 0
expect_in_file "$LOG" "[Video] scale_mode = \"blurry\" is not integer, fit_nearest or fit_sharp_bilinear -- using integer"
expect_in_file "$LOG" "[Video] startup_window = windowed (windowed), scale_mode = integer (blurry)"
pass "video settings are read and bad values fall back"
