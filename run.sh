#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts Morvanta.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANTA_TESTS=OFF -DMORVANTA_BENCH=OFF
cmake --build build/release -j "$(nproc)"

if [ -x build/release/ui/morvanta ]; then
  exec build/release/ui/morvanta "$@"
fi
echo "Built the core libraries in build/release. The desktop application is not part of this build yet."
