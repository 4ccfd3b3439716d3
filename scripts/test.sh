#!/usr/bin/env bash
# Installs everything, then runs every test: the C++ unit tests (GoogleTest under CTest) and
# the module's tests (pytest).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The test build also makes a copy of the module with its test-only failure hooks, which the
# pytest run uses to provoke internal errors; the installed module has none.
cmake -S . -B build/tests -G Ninja -DQUAYMARK_PYTHON=ON -DQUAYMARK_TEST_HOOKS=ON -DQUAYMARK_TESTS=ON \
  -DPython_EXECUTABLE="$PWD/.venv/bin/python" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/tests -j "$(nproc)"
ctest --test-dir build/tests --output-on-failure -j "$(nproc)"
QUAYMARK_TEST_MODULE_DIR="$PWD/build/tests" .venv/bin/python -m pytest -q
