#!/usr/bin/env bash
# Times the whole suite as CI meets it: a fresh clone of the current commit in a temporary
# folder, an empty compiler cache, two cores (taskset -c 0,1 unless TOLVA_TIME_CORES names
# others). Prints each stage's minutes and, last, "test suite: N min on 2 cores, cold".
#   tools/time-test-suite.sh
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
cores="${TOLVA_TIME_CORES:-0,1}"
core_count=$(awk -F, '{print NF}' <<<"$cores")

work=$(mktemp -d "${TMPDIR:-/tmp}/tolva-suite.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone -q --no-hardlinks "$source_dir" "$work/clone"
git -C "$work/clone" checkout -q "$(git -C "$source_dir" rev-parse HEAD)"
mkdir -p "$work/ccache"

start=$SECONDS
status=0
(cd "$work/clone" && CI=true CCACHE_DIR="$work/ccache" taskset -c "$cores" bash .ci/run) >"$work/suite.log" 2>&1 ||
  status=$?
minutes=$(((SECONDS - start + 30) / 60))
cp "$work/suite.log" "${TMPDIR:-/tmp}/tolva-suite-last.log"
grep -E "^== .*: [0-9]+ min" "$work/suite.log" || true
if [ "$status" -ne 0 ]; then
  tail -n 40 "$work/suite.log"
  echo "test suite: FAILED (exit $status) after $minutes min on $core_count cores, cold (log: ${TMPDIR:-/tmp}/tolva-suite-last.log)"
  exit "$status"
fi
echo "test suite: $minutes min on $core_count cores, cold"
