#!/usr/bin/env bash
# Line coverage of every library by the whole test suite: builds the
# `coverage` preset, runs the tests and prints one table row per library.
set -euo pipefail
cd "$(dirname "$0")/.."
LUMENA_COVERAGE_TOOLS=1 scripts/install-deps.sh
cmake --preset coverage --fresh >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
# The install test checks that no source path is baked in, which --coverage does.
ctest --preset coverage -j2 -E install_destdir >/dev/null
scripts/coverage-table.py . build/coverage
