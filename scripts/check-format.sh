#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from clang-format's output.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r f; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not clang-formatted (run clang-format -i):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
