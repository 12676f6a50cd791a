#!/usr/bin/env bash
# User files that exist but cannot be read (here: no read permission, the program run without the
# privilege to ignore that) are the user's still: a start neither seeds over them nor rewrites
# them; the log names each with the reason, standard error says it, and the game goes on without
# them.
source "$(dirname "$0")/lib.sh"
use_standin_data

run_without_override() {
  OUT="$E2E_TMP/stdout"
  ERR="$E2E_TMP/stderr"
  set +e
  if [ "$(id -u)" -eq 0 ]; then
    timeout 120 setpriv --bounding-set -dac_override,-dac_read_search -- "$TOLVA_BIN" "$@" >"$OUT" 2>"$ERR"
  else
    timeout 120 "$TOLVA_BIN" "$@" >"$OUT" 2>"$ERR"
  fi
  RC=$?
  set -e
}
printf '%s\n' "wait_screen Main_Menu_Screen" "wait 3f" "key q" > "$E2E_TMP/quit.txt"

# First run: the user files are seeded.
run_tolva ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
FILES="SAVE1.GAM RAROZ.SET CONFIG.KEL"
for name in $FILES; do
  [ -f "$USER_DIR/$name" ] || fail "$name was not seeded"
  printf 'mine, not the installation'"'"'s' > "$USER_DIR/$name"
  cp "$USER_DIR/$name" "$E2E_TMP/$name.before"
  chmod 000 "$USER_DIR/$name"
done

rm -f "$LOG"
run_without_override ZOLAN --headless --scenario "$E2E_TMP/quit.txt"
expect_rc 0
for name in $FILES; do
  [ "$(stat -c %a "$USER_DIR/$name")" = "0" ] || fail "$name was replaced (mode $(stat -c %a "$USER_DIR/$name"))"
  chmod 600 "$USER_DIR/$name"
  cmp -s "$USER_DIR/$name" "$E2E_TMP/$name.before" || fail "$name was changed"
  grep -q "\[ERROR\].*STU_GRAF: \"$USER_DIR/$name\" exists but cannot be read (Permission denied); it is left as it is" \
    "$LOG" || fail "no ERROR naming $name and why"
done
expect_not_in_file "$LOG" "seeded user copy"
expect_in_file "$ERR" "These files in your Tolva data folder exist but cannot be read:"
expect_in_file "$ERR" "CONFIG.KEL, RAROZ.SET, SAVE1.GAM"
expect_in_file "$LOG" "Main_Menu_Find_Saved_Games: no saved game in SAVE1.GAM"
ls "$USER_DIR"/*.tmp >/dev/null 2>&1 && fail "temporary files left behind"
pass "unreadable SAVE1.GAM, RAROZ.SET and CONFIG.KEL are left alone and reported"
