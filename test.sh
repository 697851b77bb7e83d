#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the tutorial and runs every test: once in a normal build with warnings as errors, and
# once more in a build with AddressSanitizer and UndefinedBehaviorSanitizer. Installs what it needs.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup-machine.sh test
jobs=$(nproc)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

if [[ "${ORVANE_SKIP_SANITIZERS:-}" != 1 ]]; then
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_WERROR=ON \
        -DORVANE_SANITIZE=ON -DORVANE_BUILD_TOOLS=OFF >/dev/null
    cmake --build build-sanitize -j "$jobs"
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
fi
