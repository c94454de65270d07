#!/usr/bin/env bash
# Fails when a file includes a header of a folder that is not below its own.
# The folders form one order, ground first:
#   reslib < board, sound, ticket < panel < settings < app < tools
# A folder includes its own headers and those of folders of a lower rank;
# folders of the same rank never include each other. The tools build on the
# application's wiring (render-board draws the simulator the program runs).
# Tests and benchmarks (tests/<folder>, bench/<folder>) follow the rule of
# the folder they mirror, except tests/app and tests/tools, which may reach
# everything.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case "$1" in
    reslib) echo 0 ;;
    board | sound | ticket) echo 1 ;;
    panel) echo 2 ;;
    settings) echo 3 ;;
    app) echo 4 ;;
    tools) echo 5 ;;
    *) echo -1 ;;
  esac
}

bad=0
while IFS= read -r file; do
  from=${file%%/*}
  case "$from" in
    tests | bench)
      rest=${file#*/}
      from=${rest%%/*}
      [ "$from" = common ] && continue
      ;;
  esac
  [ "$(rank "$from")" -lt 0 ] && continue
  while IFS=: read -r line to; do
    [ "$to" = "$from" ] && continue
    [ "$to" = tests ] && continue
    rt=$(rank "$to")
    rf=$(rank "$from")
    if [ "$rt" -lt 0 ]; then
      continue
    fi
    if [ "$rt" -ge "$rf" ]; then
      echo "$file:$line: $from/ includes $to/" >&2
      bad=1
    fi
  done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$file" |
    sed -E 's/^([0-9]+):.*"([a-z]+)\/$/\1:\2/')
done < <(git ls-files '*.h' '*.cpp')

if [ "$bad" -ne 0 ]; then
  echo "Includes must point down the folder order: reslib < board, sound, ticket < panel < settings < app < tools" >&2
  exit 1
fi
