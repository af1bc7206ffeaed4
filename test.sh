#!/usr/bin/env bash
# Installs what is missing, checks the formatting of changed lines, builds with
# AddressSanitizer and UndefinedBehaviorSanitizer (warnings are errors),
# and runs every test (unit tests, then short runs of the fuzz targets over their seeds).
# Then the user-interface tests run again in a Release build, as users run the program,
# those that open menus and dialogs also under Valgrind memcheck, which sees what
# uninstrumented Qt writes into freed memory.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh
./scripts/check-format.sh

jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANTA_SANITIZE=ON -DMORVANTA_BENCH=ON -DMORVANTA_WERROR=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DMORVANTA_FUZZ=ON -DMORVANTA_WERROR=ON -DMORVANTA_TESTS=OFF -DMORVANTA_BENCH=OFF -DMORVANTA_UI=OFF
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure -j "$jobs"

cmake -S . -B build/release-ui -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANTA_BENCH=OFF -DMORVANTA_WERROR=ON -DMORVANTA_MEMCHECK=ON
cmake --build build/release-ui -j "$jobs" --target ui_tests
ctest --test-dir build/release-ui -L 'ui|memcheck' --output-on-failure -j "$jobs"
