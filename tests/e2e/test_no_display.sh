#!/usr/bin/env bash
# Without a display and without --headless the game does not run unseen: it says so on standard
# error and exits 1 within 10 s. SDL_VIDEODRIVER=dummy asked for by the user is a run without a
# window as --headless is.
source "$(dirname "$0")/lib.sh"
use_standin_data
unset SDL_VIDEODRIVER || true

start=$SECONDS
set +e
env -u DISPLAY -u WAYLAND_DISPLAY timeout 30 "$TOLVA_BIN" ZOLAN >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr"
RC=$?
set -e
took=$((SECONDS - start))
[ "$RC" -eq 1 ] || { cat "$E2E_TMP/stderr" >&2; fail "exit code $RC, expected 1"; }
[ "$took" -le 10 ] || fail "took $took s"
expect_in_file "$E2E_TMP/stderr" "No display found: set DISPLAY, or run with --headless"
grep -q "\[FATAL\].*No display found" "$LOG" || fail "no FATAL line in the log"
pass "no display and no --headless: the message on standard error and exit 1 in $took s"

printf '%s\n' "wait_screen Main_Menu_Screen 10s" "wait 5f" "quit" >"$E2E_TMP/menu.txt"
SDL_VIDEODRIVER=dummy run_tolva ZOLAN --scenario "$E2E_TMP/menu.txt"
expect_rc 0
expect_not_in_file "$ERR" "No display found"
pass "SDL_VIDEODRIVER=dummy runs without a window"
