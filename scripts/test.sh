#!/usr/bin/env bash
# Installs what is missing, builds from scratch where needed and runs every test.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default -j "$(nproc)"
