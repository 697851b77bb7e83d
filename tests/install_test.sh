#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed tutorial. Installs the build into a temporary prefix, checks the layout, and
# starts the installed program from another working directory: by its name on the PATH, through
# a symlink of its own elsewhere, and by its real path. Each run must present scene 1 with its
# real picture. The program names every screenshot that it can't load on stderr
# ("orvane-tutorial: screenshot <path>: <reason>") and shows a placeholder instead, so a run
# without such a line presented the real picture; a last run with the pictures moved aside shows
# that the line does appear, with the path of the program's real directory.
#
# Usage: install_test.sh <cmake> <build-dir> <offscreen-screen-config> <pictures-dir>
set -euo pipefail
cmake=$1 build=$2 screen=$3 pictures=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
elsewhere=$work/elsewhere
mkdir -p "$elsewhere" "$work/links"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# The layout: the program in a directory of its own, a relative symlink on the PATH.
programdir=$prefix/lib/orvane-tutorial
launcher=$prefix/bin/orvane-tutorial
[[ -f $programdir/orvane-tutorial && -x $programdir/orvane-tutorial ]] ||
    fail "no program in $programdir"
[[ -L $launcher ]] || fail "$launcher is not a symlink"
[[ $(readlink "$launcher") != /* ]] || fail "the launcher points to an absolute path"
[[ $(readlink -f "$launcher") == $(readlink -f "$programdir/orvane-tutorial") ]] ||
    fail "the launcher doesn't lead to the program"
realdir=$(cd "$programdir" && pwd -P)

# The desktop entry and the icon in every size of the icon theme.
desktop=$prefix/share/applications/orvane-tutorial.desktop
[[ -f $desktop ]] || fail "no desktop entry"
grep -qx 'Exec=orvane-tutorial' "$desktop" || fail "the desktop entry doesn't run the launcher"
grep -qx 'Icon=orvane-tutorial' "$desktop" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
fi
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/orvane-tutorial.png
    [[ -f $icon ]] || fail "no ${size}px icon"
    # The PNG signature, then the width and height at the start of the IHDR chunk.
    header=$(od -An -tu1 -N24 "$icon" | tr -s ' \n' ' ')
    read -r -a byte <<<"$header"
    [[ "${byte[*]:0:8}" == "137 80 78 71 13 10 26 10" ]] || fail "the ${size}px icon is no PNG"
    width=$(((byte[16] << 24) + (byte[17] << 16) + (byte[18] << 8) + byte[19]))
    height=$(((byte[20] << 24) + (byte[21] << 16) + (byte[22] << 8) + byte[23]))
    ((width == size && height == size)) || fail "the ${size}px icon is ${width} x ${height}"
done
grep -q '<svg ' "$prefix/share/icons/hicolor/scalable/apps/orvane-tutorial.svg" ||
    fail "no scalable icon"

# Every screenshot of the checkout lies beside the installed program.
list_pictures() { find "$1" -maxdepth 1 -type f -iname '*.gif' -printf '%f\n' | sort; }
expected=$(list_pictures "$pictures" 2>/dev/null || true)
[[ -n $expected ]] || fail "there are no screenshots in $pictures to install"
[[ $(list_pictures "$programdir") == "$expected" ]] ||
    fail "the installed screenshots differ from those in $pictures"

# Starts the program as "$@" from $elsewhere with its stderr in the file $1. Once the program has
# made its own directory the working directory, which it does right before it loads the scene's
# screenshot, it gets a moment to finish the scene and is ended with TERM. Any other end, a crash
# or an exit of its own, fails the test.
run_program() {
    local log=$1
    shift
    (
        cd "$elsewhere"
        export PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM="offscreen:configfile=$screen"
        exec "$@"
    ) >/dev/null 2>"$log" &
    local pid=$! tries=0
    until [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == "$realdir" ]]; do
        kill -0 "$pid" 2>/dev/null || break
        ((++tries <= 300)) || break
        sleep 0.1
    done
    local presented=no
    [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == "$realdir" ]] && presented=yes
    sleep 0.5
    kill -TERM "$pid" 2>/dev/null || true
    local status=0
    wait "$pid" || status=$?
    if ((status != 128 + 15)); then
        cat "$log" >&2
        fail "'$*' ended with status $status instead of running until TERM"
    fi
    [[ $presented == yes ]] || fail "'$*' never made $realdir its working directory"
}

ln -s "$launcher" "$work/links/tour"
for command in orvane-tutorial "$work/links/tour" ../prefix/lib/orvane-tutorial/orvane-tutorial; do
    run_program "$work/stderr" "$command"
    if grep '^orvane-tutorial:' "$work/stderr" >&2; then
        fail "'$command' started from $elsewhere didn't show scene 1's real picture"
    fi
done

# Without its pictures the program says so, naming its real directory.
mkdir "$work/aside"
find "$programdir" -maxdepth 1 -type f -iname '*.gif' -exec mv -t "$work/aside" {} +
run_program "$work/stderr" "$work/links/tour"
grep -F "orvane-tutorial: screenshot $realdir/" "$work/stderr" | grep -q ': not found$' ||
    fail "a missing picture went unreported: $(cat "$work/stderr")"
echo "installed tree in $prefix: layout, desktop entry, icons and 3 starts from $elsewhere ok"
