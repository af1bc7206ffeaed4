#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts Morvanta.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANTA_TESTS=OFF -DMORVANTA_BENCH=OFF
cmake --build build/release -j "$(nproc)"

exec build/release/ui/morvanta "$@"
