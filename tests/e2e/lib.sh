# Shared set-up for the end-to-end tests: a fresh HOME and XDG folders, dummy audio, and helpers
# to run the real binary headless.
set -euo pipefail

# The scripts' Python finds the saved-game offsets (save_layout.py) here.
export PYTHONPATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)${PYTHONPATH:+:$PYTHONPATH}"

: "${TOLVA_BIN:?TOLVA_BIN must name the tolva binary}"
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tolva-e2e.XXXXXX")
trap 'rm -rf "$E2E_TMP"' EXIT

export HOME="$E2E_TMP/home"
export XDG_CONFIG_HOME="$E2E_TMP/xdg-config"
export XDG_DATA_HOME="$E2E_TMP/xdg-data"
export XDG_STATE_HOME="$E2E_TMP/xdg-state"
export XDG_CACHE_HOME="$E2E_TMP/xdg-cache"
export TOLVA_PROGRAM_DIR="$E2E_TMP/program"
export SDL_AUDIODRIVER=dummy
# Headless runs skip the waits between frames (a script that measures real time unsets it).
export TOLVA_SIMULATED_CLOCK="${TOLVA_SIMULATED_CLOCK-1}"
# Under the sanitizers: leaks kept by system libraries (D-Bus in a window) are not ours.
LSAN_SYSTEM_SUPPRESSIONS="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/tools/lsan-system-libraries.supp"
case "${LSAN_OPTIONS:-}" in
  *suppressions=*) ;;
  *) export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$LSAN_SYSTEM_SUPPRESSIONS" ;;
esac
unset TOLVA_LOG_DIR TOLVA_APP_DIR TOLVA_DATA_DIR DISPLAY WAYLAND_DISPLAY || true
mkdir -p "$HOME" "$TOLVA_PROGRAM_DIR"

USER_DIR="$XDG_DATA_HOME/Tolva"
LOG_DIR="$XDG_STATE_HOME/Tolva"
CONFIG_DIR="$XDG_CONFIG_HOME/Tolva"
LOG="$LOG_DIR/tolva_log_new.txt"

fail() { echo "FAIL: $*" >&2; exit 1; }
# A script that cannot run for want of a tool: skipped on a developer's machine, a failure in CI.
skip_or_fail() {
  [ -z "${CI:-}" ] || fail "cannot run in CI: $*"
  echo "SKIP: $*"
  exit 0
}
pass() { echo "PASS: $*"; }

# A private copy of the stand-in installation, so a test may add or remove files in it.
use_standin_data() {
  local src="${TOLVA_STANDIN_DIR:?TOLVA_STANDIN_DIR must name the stand-in installation}"
  [ -f "$src/FONTS.LBX" ] || fail "no stand-in installation at $src"
  export TOLVA_DATA_DIR="$E2E_TMP/gamedata"
  rm -rf "$TOLVA_DATA_DIR"
  cp -r "$src" "$TOLVA_DATA_DIR"
}

# The fixture game NAME, written by the stand-in generator into fixtures/, as the continue game.
use_fixture_game() {
  FIXTURE="$TOLVA_DATA_DIR/fixtures/$1"
  [ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"
  mkdir -p "$USER_DIR"
  cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"
}

use_empty_data() {
  export TOLVA_DATA_DIR="$E2E_TMP/empty"
  mkdir -p "$TOLVA_DATA_DIR"
}

# Runs tolva with the given arguments; sets RC, and OUT/ERR to the captured streams' files.
run_tolva() {
  OUT="$E2E_TMP/stdout"
  ERR="$E2E_TMP/stderr"
  set +e
  timeout 120 "$TOLVA_BIN" "$@" >"$OUT" 2>"$ERR"
  RC=$?
  set -e
}

# A world from tolva_worldgen (its options as the arguments after SEED2 and TURNS) played TURNS
# world turns headless with every wizard computer-run (--patch ai_soak --seed2 SEED2), turns counted
# on the simulated clock at up to 20 s each. Sets WORLD, START (the world's turn), RC, OUT and ERR.
run_soak_world() {
  local seed2="$1" turns="$2"
  shift 2
  local worldgen="${TOLVA_BUILD_DIR:?TOLVA_BUILD_DIR must name the build folder}/tolva_worldgen"
  [ -x "$worldgen" ] || fail "no tolva_worldgen at $worldgen"
  WORLD="$E2E_TMP/W.GAM"
  "$worldgen" "$@" --out "$WORLD" >/dev/null 2>&1 || fail "tolva_worldgen failed"
  START=$(python3 -c "import struct, sys, save_layout; print(struct.unpack_from('<h', open(sys.argv[1], 'rb').read(), save_layout.TURN)[0])" "$WORLD")
  printf '%s\n' "wait_turn $((START + turns)) $((turns * 20 + 60))s" quit >"$E2E_TMP/soak.txt"
  OUT="$E2E_TMP/stdout"
  ERR="$E2E_TMP/stderr"
  set +e
  TOLVA_POOL_GUARDS=1 timeout $((turns * 3 + 300)) "$TOLVA_BIN" ZOLAN --headless --seed2 "$seed2" --load "$WORLD" \
    --patch ai_soak --scenario "$E2E_TMP/soak.txt" >"$OUT" 2>"$ERR"
  RC=$?
  set -e
}

expect_rc() { [ "$RC" -eq "$1" ] || { cat "$ERR" >&2; fail "exit code $RC, expected $1"; }; }
expect_in_file() { grep -qF -- "$2" "$1" || fail "'$2' not found in $1"; }
expect_not_in_file() { ! grep -qF -- "$2" "$1" || fail "'$2' unexpectedly found in $1"; }

# The stand-in ARMYLIST.LBX is not the v1.31 file: it is flagged, and the compatibility box is the
# one error a stand-in run logs. Fails on any other error or any other flagged file.
expect_only_standin_compat_error() {
  expect_in_file "$1" "Data compatibility: 1 file(s) flagged: ARMYLIST.LBX (unrecognized)"
  local others
  others=$(grep -F "[ERROR" "$1" | grep -vF "Platform_Show_Error: Tolva - Data Compatibility:" || true)
  [ -z "$others" ] || fail "errors in $1: $others"
}
