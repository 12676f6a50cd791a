#!/usr/bin/env bash
# README's "Building by hand" runs the game as written: each line that starts the program, from
# a folder whose build/ is this build, reaches the game and ends with exit 0 (the windowed line
# under Xvfb, when it is present).
source "$(dirname "$0")/lib.sh"
README="${TOLVA_SOURCE_DIR:?}/README.md"
BUILD="${TOLVA_BUILD_DIR:?}"

lines=$(sed -n '/^## Building by hand/,/^## /p' "$README" | grep -E '^    .*\./build/tolva' | sed 's/^    //; s/ *#.*$//')
[ -n "$lines" ] || fail "README's by-hand section runs no ./build/tolva"
mkdir -p "$E2E_TMP/clone"
ln -s "$BUILD" "$E2E_TMP/clone/build"
export ASAN_OPTIONS=detect_leaks=0
ran=0
while IFS= read -r line; do
  if [[ "$line" != *--headless* ]]; then
    if ! command -v xvfb-run >/dev/null 2>&1; then
      echo "SKIP: xvfb-run missing for: $line"
      continue
    fi
    # In a window: the game runs until the window is closed (here, by SIGTERM once the menu is up).
    set +e
    (cd "$E2E_TMP/clone" && xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
      eval "$1" >"$2/out" 2>"$2/err" & pid=$!
      for i in $(seq 1 200); do grep -q "Main_Menu" "$3" 2>/dev/null && break; sleep 0.1; done
      sleep 1
      kill -TERM "$(pgrep -P "$pid" -x tolva || echo "$pid")"
      wait "$pid"' _ "$line" "$E2E_TMP" "$LOG")
    RC=$?
    set -e
  else
    set +e
    (cd "$E2E_TMP/clone" && timeout 60 bash -c "$line" >"$E2E_TMP/out" 2>"$E2E_TMP/err")
    RC=$?
    set -e
  fi
  [ "$RC" -eq 0 ] || { cat "$E2E_TMP/err" >&2; fail "'$line' exited $RC"; }
  expect_not_in_file "$E2E_TMP/err" "missing"
  expect_not_in_file "$LOG" "[FATAL"
  expect_in_file "$LOG" "Main_Menu"
  ran=$((ran + 1))
  pass "as written: $line"
done <<<"$lines"
[ "$ran" -gt 0 ] || fail "no line was run"
