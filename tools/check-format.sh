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

differ=()
for f in "${files[@]}"; do
  if ! "$clang_format" --style=file --dry-run -Werror "$f" >/dev/null 2>&1; then
    differ+=("$f")
  fi
done

if [ ${#differ[@]} -gt 0 ]; then
  echo "check-format: ${#differ[@]} of ${#files[@]} files differ from .clang-format:" >&2
  printf '  %s\n' "${differ[@]}" >&2
  echo "check-format: run tools/check-format.sh --fix" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
