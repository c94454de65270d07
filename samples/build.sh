#!/usr/bin/env bash
# Rebuilds the sample data in samples/data from the sources in samples/routes:
#   routes/<n>.csv    -> data/<n>.hy3     (lumena-data route from-csv)
#   routes/<n>tp.txt  -> data/<n>tp.csv   (UTF-8 -> Shift-JIS, LF -> CR LF)
# The tool is taken from $LUMENA_DATA, else from the first build folder that has it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"

tool="${LUMENA_DATA:-}"
if [ -z "$tool" ]; then
  for preset in ci release debug asan; do
    if [ -x "$root/build/$preset/tools/lumena-data" ]; then
      tool="$root/build/$preset/tools/lumena-data"
      break
    fi
  done
fi
if [ -z "$tool" ] || [ ! -x "$tool" ]; then
  echo "build.sh: lumena-data not found; build it first (cmake --build --preset ci --target lumena-data)" >&2
  exit 1
fi

mkdir -p "$here/data"
for csv in "$here"/routes/*.csv; do
  n="$(basename "$csv" .csv)"
  "$tool" route from-csv "$csv" "$here/data/$n.hy3"
  "$tool" route check "$here/data/$n.hy3"
done
for txt in "$here"/routes/*tp.txt; do
  n="$(basename "$txt" tp.txt)"
  out="$here/data/${n}tp.csv"
  iconv -f UTF-8 -t CP932 "$txt" | sed 's/$/\r/' > "$out.tmp"
  mv "$out.tmp" "$out"
done
