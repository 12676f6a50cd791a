#!/usr/bin/env bash
# Runs every unit-test binary of a build whole, in shuffled order, several at a time. A test that
# passes alone but fails after another shows state left behind; the failing binary's seed is
# printed so the order can be repeated.
#   tools/run-unit-tests.sh BUILD_DIR [JOBS]
# Each binary has TOLVA_UNIT_TIMEOUT seconds (default 900) before it counts as hung.
set -euo pipefail

build_dir="${1:?usage: $0 BUILD_DIR [JOBS]}"
jobs="${2:-$(nproc 2>/dev/null || echo 2)}"
timeout_s="${TOLVA_UNIT_TIMEOUT:-900}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# Screen tests skip the waits between frames, as headless runs of the program do in the suite.
export TOLVA_SIMULATED_CLOCK="${TOLVA_SIMULATED_CLOCK-1}"

binaries=()
for binary in "$build_dir"/tests/test_*; do
  case "$binary" in *.cmake) continue ;; esac
  [ -f "$binary" ] && [ -x "$binary" ] || continue
  binaries+=("$binary")
done
if [ "${#binaries[@]}" -eq 0 ]; then
  echo "run-unit-tests: no test binaries in $build_dir/tests" >&2
  exit 1
fi

results=$(mktemp -d "${TMPDIR:-/tmp}/tolva-unit.XXXXXX")
trap 'rm -rf "$results"' EXIT

# The longest binaries first, so the run is not left waiting on one started last.
run_one() {
  local binary="$1" results="$2" timeout_s="$3"
  local name
  name=$(basename "$binary")
  local start=$SECONDS
  if timeout "$timeout_s" "$binary" --gtest_shuffle --gtest_brief=1 >"$results/$name.log" 2>&1; then
    echo "$((SECONDS - start)) $name" >"$results/$name.ok"
  else
    echo "$?" >"$results/$name.failed"
  fi
}
export -f run_one

order_file="$build_dir/unit-test-times.txt"
ordered=()
if [ -f "$order_file" ]; then
  while read -r _ name; do
    [ -x "$build_dir/tests/$name" ] && ordered+=("$build_dir/tests/$name")
  done < <(sort -rn "$order_file")
fi
for binary in "${binaries[@]}"; do
  case " ${ordered[*]-} " in *" $binary "*) ;; *) ordered+=("$binary") ;; esac
done

printf '%s\0' "${ordered[@]}" | xargs -0 -P "$jobs" -I{} bash -c 'run_one "$1" "$2" "$3"' _ {} "$results" "$timeout_s"

cat "$results"/*.ok 2>/dev/null | sort -rn >"$order_file" || true
failed=0
for binary in "${binaries[@]}"; do
  name=$(basename "$binary")
  if [ ! -f "$results/$name.ok" ]; then
    failed=$((failed + 1))
    code=$(cat "$results/$name.failed" 2>/dev/null || echo "?")
    echo "---- $name failed (exit $code)"
    grep -E "Randomizing|FAILED|Failure|ERROR: AddressSanitizer|runtime error|SUMMARY" "$results/$name.log" | head -40 || true
    tail -n 30 "$results/$name.log"
    [ "$code" = "124" ] && echo "$name did not finish within ${timeout_s}s"
    echo "repeat the order with: $binary --gtest_shuffle --gtest_random_seed=N (N from 'Randomizing' above)"
  fi
done
if [ "$failed" -gt 0 ]; then
  echo "run-unit-tests: $failed of ${#binaries[@]} binaries failed"
  exit 1
fi
echo "run-unit-tests: ${#binaries[@]} binaries passed (shuffled, $jobs at a time)"
