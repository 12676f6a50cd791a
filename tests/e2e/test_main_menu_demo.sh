#!/usr/bin/env bash
# 30 seconds without input on the main menu start the demo, DEMO.KPZ of the current folder.
source "$(dirname "$0")/lib.sh"
use_standin_data

REC="$E2E_TMP/rec/session.kpz"
mkdir -p "$(dirname "$REC")"
run_tolva ZOLAN --headless --record "$REC"
expect_rc 0
[ -f "$REC" ] || fail "no recording to use as the demo"

DEMO_DIR="$E2E_TMP/demo"
mkdir -p "$DEMO_DIR"
cp "$REC" "$DEMO_DIR/DEMO.KPZ"
printf '%s\n' "wait_screen Main_Menu_Screen" "wait 32s" "quit" > "$E2E_TMP/idle.txt"
cd "$DEMO_DIR"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/idle.txt"
expect_rc 0
expect_in_file "$LOG" "DEMO: auto-started after idle timeout"
expect_in_file "$LOG" "REPLAY: playback started <- DEMO.KPZ"
pass "the idle main menu starts the demo"
