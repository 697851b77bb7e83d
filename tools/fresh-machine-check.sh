#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's commands on a fresh Debian 12 that holds nothing but the checkout: a minbase
# chroot made with debootstrap (updates and security suites, /proc, /dev/pts and /dev/shm
# mounted), into which a clone of the checkout's HEAD is copied; the command runs there as root.
# What CI's machine already has can't hide a missing install step here. Uncommitted changes are
# not part of the clone.
#
# Usage (as root): tools/fresh-machine-check.sh [COMMAND | --first-scene]
#   COMMAND        a shell command run in the clone; ./test.sh when none is given
#   --first-scene  ./run.sh with DISPLAY on an Xvfb of this machine, until scene 1's picture is
#                  on that screen; then the program is ended
# Prints the last lines of the log, the status and the time; keeps the log, and for
# --first-scene the grabbed screen, in $ORVANE_FRESH_LOGS (/var/tmp/orvane-fresh-machine-check).
# Needs git, debootstrap, and for --first-scene xvfb, x11-apps (xwd), netpbm and python3.
set -euo pipefail
((EUID == 0)) || { echo "fresh-machine-check: run as root (debootstrap, chroot)" >&2; exit 1; }
# shellcheck source=tools/chroot-common.sh
source "$(dirname "$0")/chroot-common.sh"
checkout=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
commit=$(git -C "$checkout" rev-parse HEAD)
out=${ORVANE_FRESH_LOGS:-/var/tmp/orvane-fresh-machine-check}/$(date -u +%Y%m%dT%H%M%SZ)-$$
mkdir -p "$out"
log=$out/command.log
clone=/root/orvane-tutorial
trap chroot_remove EXIT

first_scene=false
command=${*:-./test.sh}
if [[ $command == --first-scene ]]; then
    first_scene=true
    command=./run.sh
fi

minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }

step "a fresh Debian 12 (minbase)"
started=$SECONDS
chroot_create "$(mktemp -d /var/tmp/orvane-fresh-machine.XXXXXX)" "$out/set-up.log"
git clone --quiet --no-checkout "$checkout" "$root$clone"
git -C "$root$clone" checkout --quiet --detach "$commit"
echo "ready in $(minutes $((SECONDS - started)))," \
    "the checkout's $(git -C "$checkout" log -1 --format='%h %s')"
[[ -z $(git -C "$checkout" status --porcelain --untracked-files=no) ]] ||
    echo "(the checkout has uncommitted changes; they are not tried)"

step "$command, as root, in $clone (log: $log)"
started=$SECONDS
status=0
if $first_scene; then
    start_xvfb 1024x768x24 "$out/xvfb.log"
    # run.sh ends by exec'ing the program, so this process becomes the tutorial.
    chroot "$root" "${clean_environment[@]}" DISPLAY="$xvfb_display" \
        bash -c "cd $clone && exec ./run.sh" >"$log" 2>&1 &
    program=$!
    (await_scene_1 "$program" "$root$clone/build" 3600 "$out") || status=$?
    kill -TERM "$program" 2>/dev/null || true
    wait "$program" || true
else
    in_root bash -c "cd $clone && $command" >"$log" 2>&1 || status=$?
fi
elapsed=$((SECONDS - started))

echo "-- the last lines of $log:"
tail -n 25 "$log"
echo
echo "$command on a fresh Debian 12: status $status, $(minutes "$elapsed")"
((status == 0)) && $first_scene && echo "scene 1 was on the screen: $out/scene-1.png"
exit "$status"
