#!/usr/bin/env bash
# Checks that every tracked C++ source follows .clang-format; lists the files that differ and
# exits non-zero when any does. --fix formats them in place instead.
#   tools/check-format.sh [--fix]
# CLANG_FORMAT names the program (default clang-format; the layout is tuned on version 14).
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
case "${1:-}" in
  "") ;;
  --fix) fix=1 ;;
  *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac

clang_format="${CLANG_FORMAT:-clang-format}"
if ! command -v "$clang_format" >/dev/null 2>&1; then
  echo "check-format: $clang_format not found (tools/install-deps.sh installs it)" >&2
  exit 2
fi

mapfile -t files < <(git ls-files -- STU Orv platform Kel src tools tests | grep -E '\.(cpp|h)$')

if [ "$fix" -eq 1 ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 16 "$clang_format" -i --style=file
  echo "check-format: formatted ${#files[@]} files"
  exit 0
fi

# One clang-format per batch of files, the batches side by side; a file that differs is named in
# its first complaint. A run that fails without naming a file (a crash, a bad option) fails too.
jobs=$(nproc 2>/dev/null || echo 2)
report=$(mktemp)
trap 'rm -f "$report"' EXIT
format_status=0
printf '%s\0' "${files[@]}" |
  xargs -0 -n 64 -P "$jobs" "$clang_format" --style=file --dry-run -Werror 2>"$report" >/dev/null ||
  format_status=$?
mapfile -t differ < <(sed -n 's/^\([^:]*\.\(cpp\|h\)\):[0-9]*:[0-9]*: error:.*/\1/p' "$report" | sort -u)
if [ "$format_status" -ne 0 ] && [ ${#differ[@]} -eq 0 ]; then
  head -n 20 "$report" >&2
  echo "check-format: $clang_format failed (status $format_status)" >&2
  exit 2
fi

if [ ${#differ[@]} -gt 0 ]; then
  echo "check-format: ${#differ[@]} of ${#files[@]} files differ from .clang-format:" >&2
  printf '  %s\n' "${differ[@]}" >&2
  echo "check-format: run tools/check-format.sh --fix" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
