#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: the game in this terminal.
# Options after the script's name go to the program (for example --seed 42).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default

exec build/bin/halvard-cli "$@"
