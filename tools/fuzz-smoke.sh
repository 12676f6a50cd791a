#!/usr/bin/env bash
# Runs each libFuzzer target for a short while, several at a time, from its seeds. The targets
# are built in the suite's sanitizer build (tools/check-build.sh), which is made when missing.
# Usage: tools/fuzz-smoke.sh [seconds per target, default 20]
# TOLVA_FUZZ_BUILD_DIR names the build (default build-check); TOLVA_FUZZ_JOBS the targets at once.
set -euo pipefail

SECONDS_PER_TARGET="${1:-20}"
SOURCE_DIR="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${TOLVA_FUZZ_BUILD_DIR:-$SOURCE_DIR/build-check}"
JOBS="${TOLVA_FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}"

targets=()
for src in "$SOURCE_DIR"/tests/fuzz/fuzz_*.cpp; do
  [ -e "$src" ] || continue
  targets+=("$(basename "$src" .cpp)")
done
if [ "${#targets[@]}" -eq 0 ]; then
  echo "fuzz-smoke: no fuzz targets" >&2
  exit 1
fi

missing=()
for target in "${targets[@]}"; do
  [ -x "$BUILD_DIR/tests/fuzz/$target" ] || missing+=("$target")
done
if [ "${#missing[@]}" -gt 0 ]; then
  "$SOURCE_DIR/tools/check-build.sh" "$BUILD_DIR" "${missing[@]}"
fi

# One target: its corpus grows in the build folder; seeds come from the sources and from the
# stand-in installation's entries the build writes (fuzz-seeds/<target>).
fuzz_one() {
  local target="$1" build_dir="$2" source_dir="$3" seconds="$4"
  local corpus="$build_dir/corpus/$target"
  mkdir -p "$corpus"
  local seeds=()
  [ -d "$source_dir/tests/fuzz/seeds/$target" ] && seeds+=("$source_dir/tests/fuzz/seeds/$target")
  [ -d "$build_dir/fuzz-seeds/$target" ] && seeds+=("$build_dir/fuzz-seeds/$target")
  if "$build_dir/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build_dir/$target-" "$corpus" "${seeds[@]}" >"$build_dir/$target.log" 2>&1; then
    echo "fuzz-smoke: $target: $(grep -E "stat::number_of_executed_units" "$build_dir/$target.log" | tr -s ' ')"
  else
    echo "fuzz-smoke: $target FAILED (see $build_dir/$target.log)"
    tail -n 40 "$build_dir/$target.log"
    return 1
  fi
}
export -f fuzz_one

status=0
printf '%s\0' "${targets[@]}" |
  xargs -0 -P "$JOBS" -I{} bash -c 'fuzz_one "$1" "$2" "$3" "$4"' _ {} "$BUILD_DIR" "$SOURCE_DIR" "$SECONDS_PER_TARGET" ||
  status=1
exit "$status"
