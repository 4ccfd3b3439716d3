#!/usr/bin/env bash
# Builds the C++ unit tests and the Python module with AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs ctest and pytest with the sanitizer runtime preloaded
# into the interpreter.
#
#   bash scripts/sanitize.sh            every test
#   bash scripts/sanitize.sh --short    a quick pass for CI: the heaviest hostile-input cases left out
set -euo pipefail
cd "$(dirname "$0")/.."

SHORT=0
[ "${1:-}" = "--short" ] && SHORT=1

# Set up unless a previous step (scripts/test.sh in CI) already did.
if ! { [ -x .venv/bin/python ] && .venv/bin/python -c 'import pytest' 2>/dev/null && dpkg -s libgtest-dev >/dev/null 2>&1; }; then
  bash scripts/setup.sh
fi

BUILD=build/sanitize
cmake -S . -B "$BUILD" -G Ninja -DQUAYMARK_SANITIZE=ON -DQUAYMARK_PYTHON=ON -DQUAYMARK_TESTS=ON \
  -DQUAYMARK_TEST_HOOKS=ON -DPython_EXECUTABLE="$PWD/.venv/bin/python" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QUAYMARK_SANITIZED=1

# The C++ tests, leak checking included.
CTEST_ARGS=()
[ "$SHORT" = 1 ] && CTEST_ARGS=(-E 'Hostile\.(MillionAttributes|HundredMegabyteText|EveryByteAtEveryPosition)')
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)" "${CTEST_ARGS[@]}"

# The module's tests in an interpreter that loads the sanitizer runtime first. The interpreter
# itself keeps memory alive at exit on purpose, so leak reports are off for this part.
RUNTIME="$(g++ -print-file-name=libasan.so) $(g++ -print-file-name=libubsan.so)"
PYTEST_ARGS=(-q -p no:cacheprovider)
[ "$SHORT" = 1 ] && PYTEST_ARGS+=(-k "not huge")
# The sanitized module is found before the installed one.
LD_PRELOAD="$RUNTIME" ASAN_OPTIONS=detect_leaks=0 PYTHONPATH="$PWD/$BUILD" QUAYMARK_TEST_MODULE_DIR="$PWD/$BUILD" \
  .venv/bin/python -c 'import quaymark, sys; sys.exit(0 if "build/sanitize" in quaymark.__file__ else "not the sanitized module: " + quaymark.__file__)'
LD_PRELOAD="$RUNTIME" ASAN_OPTIONS=detect_leaks=0 PYTHONPATH="$PWD/$BUILD" QUAYMARK_TEST_MODULE_DIR="$PWD/$BUILD" \
  .venv/bin/python -m pytest "${PYTEST_ARGS[@]}"
