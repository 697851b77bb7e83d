#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ source of the project differs from what clang-format makes of it, and lists
# the files that do.
set -euo pipefail
top=${1:?usage: check_format.sh SOURCE_DIR}
cd "$top"
command -v clang-format >/dev/null || {
    echo "clang-format is missing: install Debian's clang-format" >&2
    exit 1
}
mapfile -t sources < <(find src tests tools bench packaging -name '*.cpp' -o -name '*.h' | sort)
unformatted=()
for file in "${sources[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if ((${#unformatted[@]})); then
    echo "not formatted (run clang-format -i on them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "${#sources[@]} files formatted"
