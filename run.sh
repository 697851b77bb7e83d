#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the tutorial (installing what the build needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup-machine.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target orvane-tutorial
exec build/orvane-tutorial
