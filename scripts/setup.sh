#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian 12 machine with Python 3.11:
# the Debian packages (GoogleTest), a virtual environment with the pinned Python
# dependencies, and the module itself, built from source.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! dpkg -s libgtest-dev >/dev/null 2>&1 || ! command -v cmake >/dev/null 2>&1 || ! command -v ninja >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq libgtest-dev cmake ninja-build g++ python3-venv >/dev/null
fi

PY=${PYTHON:-python3.11}
command -v "$PY" >/dev/null 2>&1 || PY=python3
[ -x .venv/bin/python ] || "$PY" -m venv .venv
.venv/bin/python -m pip install -q --upgrade pip >/dev/null
.venv/bin/python -m pip install -q -r requirements-dev.txt
.venv/bin/python -m pip install -q --no-build-isolation .
