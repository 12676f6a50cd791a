#!/usr/bin/env bash
# Installs what is missing, checks the sources' layout and include directions, builds Tolva and
# runs every test: the normal build, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short fuzzing pass.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh

echo "== source checks"
./tools/check-format.sh
./tools/check-includes.sh

jobs=$(nproc 2>/dev/null || echo 2)
export CCACHE_DIR="${CCACHE_DIR:-$PWD/.ccache}"
export SDL_AUDIODRIVER=dummy

echo "== build (RelWithDebInfo)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure --timeout 600 -j "$jobs"
echo "== each unit-test binary whole, in shuffled order (state left behind by one test shows in another)"
for binary in build/tests/test_*; do
  case "$binary" in *.cmake) continue ;; esac
  [ -x "$binary" ] || continue
  if ! output=$("$binary" --gtest_shuffle 2>&1); then
    printf '%s\n' "$output" | grep -E "Randomizing|FAILED|Failure" | head -40
    echo "$binary failed in shuffled order; repeat with the seed above: $binary --gtest_shuffle --gtest_random_seed=N"
    exit 1
  fi
done

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVA_SANITIZE=ON -DTOLVA_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
echo "== tests under the sanitizers"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}" UBSAN_OPTIONS="print_stacktrace=1" \
  ctest --test-dir build-asan --output-on-failure --timeout 900 -j "$jobs" -LE bench

if [ -x tools/fuzz-smoke.sh ]; then
  echo "== fuzzing smoke run"
  ./tools/fuzz-smoke.sh 10
fi
echo "== all tests passed"
