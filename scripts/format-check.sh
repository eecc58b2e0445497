#!/usr/bin/env bash
# Checks every tracked C++ source and header against .clang-format with
# clang-format 14 and names each file that differs. Exits non-zero when any
# does. Run from anywhere inside the checkout; CLANG_FORMAT overrides the
# program used.
#
# To apply the format instead:
#   git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 -i
set -euo pipefail

cd "$(git rev-parse --show-toplevel)"

tool=${CLANG_FORMAT:-}
if [ -z "$tool" ]; then
  for candidate in clang-format-14 clang-format; do
    if command -v "$candidate" >/dev/null 2>&1; then
      tool=$candidate
      break
    fi
  done
fi
if [ -z "$tool" ]; then
  echo "format-check: clang-format not found (scripts/setup.sh installs it)" >&2
  exit 2
fi
version=$("$tool" --version)
case "$version" in
  *"version 14."*) ;;
  *) echo "format-check: warning: the style is tuned for clang-format 14, not: $version" >&2 ;;
esac

differ=()
while IFS= read -r -d '' file; do
  if ! "$tool" --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
    differ+=("$file")
  fi
done < <(git ls-files -z '*.cpp' '*.h')

if [ ${#differ[@]} -ne 0 ]; then
  echo "format-check: ${#differ[@]} file(s) differ from .clang-format:" >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "format-check: every C++ file matches .clang-format"
