#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default

# The engine and the game database are built; the terminal front-end and the desktop program
# that play a mission come next, so there is nothing to start yet.
echo "Built the engine and build/bin/Corvane.db. There is no program to start yet."
