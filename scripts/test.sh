#!/usr/bin/env bash
# Installs everything, then runs every test: the C++ unit tests (GoogleTest under CTest) and
# the module's tests (pytest).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/tests -G Ninja -DQUAYMARK_PYTHON=OFF -DQUAYMARK_TESTS=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/tests -j "$(nproc)"
ctest --test-dir build/tests --output-on-failure -j "$(nproc)"
.venv/bin/python -m pytest -q
