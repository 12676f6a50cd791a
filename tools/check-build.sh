#!/usr/bin/env bash
# Configures and builds the one build the test suite runs in: clang with AddressSanitizer,
# UndefinedBehaviorSanitizer and fuzzer coverage, holding the game, the tools, the unit tests,
# the end-to-end scripts' program and the fuzz targets. The code under test is optimised lightly
# (-O1) with line tables for the sanitizers' reports; test code is not optimised.
#   tools/check-build.sh [BUILD_DIR (default build-check)] [ninja target...]
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$source_dir/build-check}"
shift || true
jobs=$(nproc 2>/dev/null || echo 2)

if ! command -v clang++ >/dev/null 2>&1; then
  echo "check-build: clang++ not found (tools/install-deps.sh installs it)" >&2
  exit 2
fi
flags="-O1 -gline-tables-only -DNDEBUG"
CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLVA_SANITIZE=ON -DTOLVA_FUZZ=ON -DTOLVA_BENCH=OFF -DTOLVA_TESTS=ON \
  "-DCMAKE_C_FLAGS_RELWITHDEBINFO=$flags" "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=$flags" >/dev/null
if [ "$#" -gt 0 ]; then
  cmake --build "$build_dir" -j "$jobs" --target "$@"
else
  cmake --build "$build_dir" -j "$jobs"
fi
