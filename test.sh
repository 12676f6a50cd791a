#!/usr/bin/env bash
# Installs what is missing and runs every check, printing each stage's minutes:
#   source checks  the layout of every source (clang-format) and the include directions;
#   check build    one clang build with AddressSanitizer, UndefinedBehaviorSanitizer and fuzzer
#                  coverage (build-check/): the game, the tools, the unit tests, the fuzz targets;
#   unit tests     every unit-test binary whole, in shuffled order, several at a time;
#   end-to-end     every tests/e2e script against the sanitized game on the stand-in data;
#   fuzzing        each fuzz target's smoke pass from its seeds;
#   optimised      the game, the tools and the benchmarks built optimised with g++ (build/, the
#                  folder ./run.sh uses), and every benchmark run once, its ratios printed.
# Any failure stops the run with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export SDL_AUDIODRIVER=dummy
# The compiler cache stays outside the clone (ccache's own folder unless CCACHE_DIR says
# otherwise); paths below the clone are cached relative to it, so another clone hits it too.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"

suite_start=$SECONDS
stage_start=$SECONDS
stage_times=()
stage() {
  stage_name="$1"
  stage_start=$SECONDS
  echo "== $stage_name"
}
stage_done() {
  local seconds=$((SECONDS - stage_start))
  stage_times+=("$(printf '%-14s %3d:%02d' "$stage_name" $((seconds / 60)) $((seconds % 60)))")
  echo "== $stage_name: $((seconds / 60)) min $((seconds % 60)) s"
}

stage "source checks"
./tools/check-format.sh
./tools/check-includes.sh
stage_done

stage "check build"
./tools/check-build.sh build-check
stage_done

stage "unit tests"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}" UBSAN_OPTIONS="print_stacktrace=1" \
  ./tools/run-unit-tests.sh build-check "$jobs"
stage_done

stage "end-to-end"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}" UBSAN_OPTIONS="print_stacktrace=1" \
  ctest --test-dir build-check --output-on-failure --timeout 900 -j "$jobs" -L e2e --no-tests=error
stage_done

stage "fuzzing"
TOLVA_FUZZ_BUILD_DIR="$PWD/build-check" ./tools/fuzz-smoke.sh "${TOLVA_FUZZ_SECONDS:-10}"
stage_done

stage "optimised"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVA_TESTS=OFF -DTOLVA_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
if ! ctest --test-dir build --timeout 600 -L bench --no-tests=error -V >build/bench.log 2>&1; then
  tail -n 60 build/bench.log
  echo "benchmarks failed (build/bench.log)"
  exit 1
fi
grep -iE "ratio" build/bench.log | sed 's/^[0-9]*: //' || true
stage_done

total=$((SECONDS - suite_start))
printf '%s\n' "${stage_times[@]}"
echo "== all tests passed in $((total / 60)) min $((total % 60)) s"
