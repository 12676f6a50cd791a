#!/usr/bin/env bash
# Command-line options that start-up itself handles.
source "$(dirname "$0")/lib.sh"

use_standin_data
long=$(printf 'x%.0s' $(seq 1 300))
run_tolva ZOLAN --headless --load "$long"
expect_rc 0
expect_in_file "$ERR" "the --load file name is too long (300 bytes, at most 259); ignored"
grep -q "\[ERROR\].*--load name of 300 bytes is too long" "$LOG" || fail "no ERROR line for the long --load name"
expect_not_in_file "$LOG" "ASSIGN tolva_load_file"
pass "an over-long --load name is refused"

run_tolva ZOLAN --headless --patch som_ready --load
expect_rc 0
expect_in_file "$LOG" '[Tolva] CLI: --patch "som_ready"'
expect_not_in_file "$LOG" "--load flag detected"
pass "--patch is noted and a trailing --load is ignored"
