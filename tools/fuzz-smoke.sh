#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own folder and runs each for a short while.
# Usage: tools/fuzz-smoke.sh [seconds per target, default 20]
set -euo pipefail

SECONDS_PER_TARGET="${1:-20}"
SOURCE_DIR="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${TOLVA_FUZZ_BUILD_DIR:-$SOURCE_DIR/build-fuzz}"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz-smoke: clang++ not found; skipped"
  exit 0
fi

CC=clang CXX=clang++ cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja \
  -DTOLVA_FUZZ=ON -DTOLVA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

targets=()
for src in "$SOURCE_DIR"/tests/fuzz/fuzz_*.cpp; do
  [ -e "$src" ] || continue
  targets+=("$(basename "$src" .cpp)")
done
if [ "${#targets[@]}" -eq 0 ]; then
  echo "fuzz-smoke: no fuzz targets"
  exit 0
fi

cmake --build "$BUILD_DIR" --target "${targets[@]}" -- -j4

status=0
for target in "${targets[@]}"; do
  corpus="$BUILD_DIR/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzz-smoke: $target for ${SECONDS_PER_TARGET}s"
  seeds=()
  [ -d "$SOURCE_DIR/tests/fuzz/seeds/$target" ] && seeds=("$SOURCE_DIR/tests/fuzz/seeds/$target")
  if ! "$BUILD_DIR/tests/fuzz/$target" -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 \
      -artifact_prefix="$BUILD_DIR/$target-" "$corpus" "${seeds[@]}" 2>"$BUILD_DIR/$target.log"; then
    echo "fuzz-smoke: $target FAILED (see $BUILD_DIR/$target.log)"
    tail -n 40 "$BUILD_DIR/$target.log"
    status=1
  else
    grep -E "stat::number_of_executed_units" "$BUILD_DIR/$target.log" || true
  fi
done
exit "$status"
