#!/usr/bin/env bash
# Lumena quick start.
#   ./quickstart.sh run    install what is missing, build, start the simulator on the sample routes
#   ./quickstart.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-run}

scripts/install-deps.sh

case "$what" in
  run)
    cmake --preset release >/dev/null
    cmake --build --preset release --target lumena
    exec build/release/app/lumena
    ;;
  test)
    preset=${LUMENA_PRESET:-ci}
    # Configured afresh, so a stale build folder can never hide a fault.
    cmake --preset "$preset" --fresh >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j2
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
