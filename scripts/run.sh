#!/usr/bin/env bash
# Installs what is missing, builds Zentrope and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTROPE_BUILD_TESTS=OFF -DZENTROPE_BUILD_BENCH=OFF
cmake --build build --target zentrope
exec build/src/zentrope "$@"
