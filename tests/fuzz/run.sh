#!/usr/bin/env bash
# Fuzzes the targets of the fuzz build (cmake --preset fuzz && cmake --build
# --preset fuzz), one after the other:
#   tests/fuzz/run.sh [-t SECONDS] [TARGET...] [-- LIBFUZZER-OPTION...]
# TARGET is a name such as route_file (default: every target), SECONDS the
# time each runs (default 20). Each runs on a copy of its committed seeds with
# its dictionary, so the tree is never written; a finding (crash-*, leak-*,
# timeout-*, oom-*) fails the run and is kept in the folder named at the end.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=20
targets=()
extra=()
while [ $# -gt 0 ]; do
  case "$1" in
    -t) seconds=$2; shift 2 ;;
    --) shift; extra=("$@"); break ;;
    *) targets+=("$1"); shift ;;
  esac
done
build=${LUMENA_FUZZ_BUILD:-build/asan}/tests/fuzz
if [ ${#targets[@]} -eq 0 ]; then
  for d in tests/fuzz/corpus/*/; do targets+=("$(basename "$d")"); done
fi
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
work=$(mktemp -d "${TMPDIR:-/tmp}/lumena-fuzz.XXXXXX")
# The files the targets hand to readers go to memory where there is room.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
failed=0
for t in "${targets[@]}"; do
  cp -r "tests/fuzz/corpus/$t" "$work/$t"
  dict=()
  [ -f "tests/fuzz/corpus/$t.dict" ] && dict=("-dict=$PWD/tests/fuzz/corpus/$t.dict")
  log="$work/$t.log"
  if (cd "$work" && "$OLDPWD/$build/fuzz_$t" -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=4096 -close_fd_mask=3 -print_final_stats=1 "${dict[@]}" "${extra[@]}" \
    "$work/$t") >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "fuzz_$t: $runs runs, $speed/s, $cov, peak $rss MB"
  else
    failed=1
    echo "fuzz_$t: FAILED" >&2
    tail -n 60 "$log" >&2
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "Findings and logs kept in $work" >&2
  exit 1
fi
rm -rf "$work"
