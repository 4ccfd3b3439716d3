#!/usr/bin/env bash
# Installs everything, then parses each sample document in examples/ and prints its text form.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
.venv/bin/python examples/print_text_forms.py examples/*.xml
