#!/usr/bin/env bash
# Installs what is missing, builds QLSetup into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target QLSetup -j"$(nproc)"
exec build/QLSetup
