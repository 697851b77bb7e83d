#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the tutorial as run.sh does (RelWithDebInfo) with the benchmark, and runs the benchmark
# on an X server of its own. Arguments go to the benchmark: [--startups N] [--rounds N] [--glides N]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-machine.sh test
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DORVANE_BUILD_TOOLS=OFF >/dev/null
cmake --build build-bench --target orvane-bench
exec build-bench/orvane-bench "$@"
