#!/usr/bin/env bash
# The user's own files when something is wrong with them: settings that cannot be written are
# reported and the old file kept; a RAROZ.SET of the wrong size is kept aside before the defaults
# replace it; a failed first copy and an uncreatable log folder are said on standard error; a
# log_dir that does not exist is made; a relative save_dir is taken from the settings file's folder.
source "$(dirname "$0")/lib.sh"
use_standin_data

# Root writes into read-only folders anyway; run the program without that privilege.
run_without_override() {
  if [ "$(id -u)" -eq 0 ]; then
    run_tolva_as setpriv --bounding-set -dac_override,-dac_read_search -- "$TOLVA_BIN" "$@"
  else
    run_tolva "$@"
  fi
}
run_tolva_as() {
  OUT="$E2E_TMP/stdout"
  ERR="$E2E_TMP/stderr"
  set +e
  timeout 120 "$@" >"$OUT" 2>"$ERR"
  RC=$?
  set -e
}
SET="$USER_DIR/RAROZ.SET"
printf '%s\n' "wait_screen Main_Menu_Screen" "key q" > "$E2E_TMP/quit.txt"

# First run: the user files are seeded.
run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
[ "$(stat -c %s "$SET")" -eq 466 ] || fail "RAROZ.SET not seeded"

# A read-only user folder: Settings, a toggle, OK. The failure is logged; the file is unchanged.
cp "$SET" "$E2E_TMP/before.set"
printf '%s\n' "wait_screen Main_Menu_Screen" "key l" "wait_screen Load_Screen" "wait 3f" "click 200 177" "wait 5f" \
  "click 100 57" "wait 5f" "click 285 182" "wait 5f" "wait_screen Load_Screen" "escape" \
  "wait_screen Main_Menu_Screen" "key q" > "$E2E_TMP/settings_ok.txt"
chmod a-w "$USER_DIR"
run_without_override ZOLAN --headless --scenario "$E2E_TMP/settings_ok.txt"
chmod u+w "$USER_DIR"
expect_rc 0
expect_in_file "$LOG" "Settings_Screen: \"Sound Effects\" is now 0"
expect_in_file "$LOG" "Settings_Screen: OK, but RAROZ.SET could not be written; it is unchanged"
grep -q "\[ERROR\].*Settings_Screen: OK, but RAROZ.SET could not be written" "$LOG" || fail "the failure is not an ERROR"
expect_not_in_file "$LOG" "Settings_Screen: OK; RAROZ.SET written"
cmp -s "$SET" "$E2E_TMP/before.set" || fail "RAROZ.SET changed in a read-only folder"
ls "$USER_DIR"/*.tmp >/dev/null 2>&1 && fail "temporary files left behind"
pass "settings that cannot be written are reported and the old file kept"

# A 467-byte RAROZ.SET is moved aside under a name of its own, and the log names it.
printf 'x' >> "$SET"
cp "$SET" "$E2E_TMP/damaged.set"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
aside=$(ls "$USER_DIR" | grep -E '^RAROZ\.SET\.bad-[0-9]{8}-[0-9]{6}$' | head -n 1)
[ -n "$aside" ] || fail "no RAROZ.SET.bad-<date>-<time> in the user folder: $(ls "$USER_DIR")"
cmp -s "$USER_DIR/$aside" "$E2E_TMP/damaged.set" || fail "$aside does not hold the damaged file"
grep -q "\[WARN \].*RAROZ.SET is 467 bytes, not 466: moved aside to \"$USER_DIR/$aside\"" "$LOG" ||
  fail "no WARN naming $aside"
[ "$(stat -c %s "$SET")" -eq 466 ] || fail "RAROZ.SET not replaced by the defaults"
pass "a RAROZ.SET of 467 bytes is kept aside and named in the log"

# A log_dir that does not exist is made; one that cannot be made gives way to the state folder,
# said on standard error.
mkdir -p "$CONFIG_DIR"
printf '[Paths]\nlog_dir = %s\n' "$E2E_TMP/logs/of/tolva" > "$CONFIG_DIR/Tolva.ini"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
[ -f "$E2E_TMP/logs/of/tolva/tolva_log_new.txt" ] || fail "log_dir was not created"
rm -f "$LOG"
printf '[Paths]\nlog_dir = %s\n' "/proc/no-such/logs" > "$CONFIG_DIR/Tolva.ini"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
expect_in_file "$ERR" "Tolva: cannot create the log folder '/proc/no-such/logs' (Tolva.ini [Paths] log_dir); logging to '$LOG_DIR/'"
[ -f "$LOG" ] || fail "the log did not fall back to the state folder"
expect_in_file "$LOG" "cannot create the log folder \"/proc/no-such/logs\""
pass "log_dir is made, or the log falls back to the state folder"

# A relative save_dir is taken relative to the folder of the Tolva.ini that names it, wherever
# the program runs.
printf '[Paths]\nsave_dir = saves\n' > "$CONFIG_DIR/Tolva.ini"
mkdir -p "$E2E_TMP/elsewhere"
(cd "$E2E_TMP/elsewhere" && run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt" && expect_rc 0)
[ -f "$CONFIG_DIR/saves/RAROZ.SET" ] || fail "save_dir not taken from the settings folder"
[ ! -e "$E2E_TMP/elsewhere/saves" ] || fail "save_dir taken from the current folder"
pass "a relative save_dir is relative to Tolva.ini"

# A first start whose user folder cannot be written says so on standard error.
rm -rf "$CONFIG_DIR/saves"
mkdir -p "$CONFIG_DIR/saves"
chmod a-w "$CONFIG_DIR/saves"
run_without_override ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
chmod u+w "$CONFIG_DIR/saves"
expect_rc 0
expect_in_file "$ERR" "Tolva: could not copy CONFIG.KEL from your Velmora data into your Tolva data folder '$CONFIG_DIR/saves/'"
pass "a failed first copy is said on standard error"
