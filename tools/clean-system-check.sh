#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package on a clean Debian 12, a chroot made for the purpose with debootstrap from
# Debian's mirror:
#   1. `apt install ./orvane-tutorial_*.deb` pulls in the Qt libraries that the program needs;
#   2. the desktop entry's Exec line starts the program on an Xvfb screen of this machine, and
#      the screen shows scene 1 with its real picture, at the picture's own pixels;
#   3. `apt purge orvane-tutorial` leaves none of the package's files behind, and after
#      `apt autoremove --purge` no path on the system names the program.
# Takes a few minutes; not part of ctest. Writes the logs and the grabbed screen to <out-dir>.
#
# Usage (as root): tools/clean-system-check.sh <orvane-tutorial_*.deb> [<out-dir>]
# Needs debootstrap, xvfb, x11-apps (xwd), netpbm and python3 on this machine. The fresh Debian
# comes from tools/chroot-common.sh, which keeps its base between runs.
set -euo pipefail
deb=$(readlink -f "$1")
out=${2:-/var/tmp/orvane-clean-system-check}
mkdir -p "$out"
out=$(cd "$out" && pwd)
((EUID == 0)) || { echo "clean-system-check: run as root (debootstrap, chroot)" >&2; exit 1; }
# shellcheck source=tools/chroot-common.sh
source "$(dirname "$0")/chroot-common.sh"
trap chroot_remove EXIT

# Every file, link and directory of the system, without the mounted /proc and /dev.
snapshot() {
    (cd "$root" && find . -xdev -path ./proc -prune -o -path ./dev -prune -o -print | sort)
}
# shellcheck disable=SC2016 # the format is dpkg-query's, not the shell's
installed_packages() { in_root dpkg-query -W -f '${Package}\n' | sort; }

step "a fresh Debian 12 (minbase)"
chroot_create "$(mktemp -d /var/tmp/orvane-chroot.XXXXXX)" "$out/debootstrap.log"
snapshot >"$out/files-before.txt"
installed_packages >"$out/packages-before.txt"

step "apt install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt install -y "./tmp/$(basename "$deb")" >"$out/install.log" 2>&1 ||
    fail "apt install failed, see $out/install.log"
rm "$root/tmp/$(basename "$deb")"
installed_packages >"$out/packages-after-install.txt"
comm -13 "$out/packages-before.txt" "$out/packages-after-install.txt" >"$out/packages-pulled-in.txt"
echo "$(wc -l <"$out/packages-pulled-in.txt") packages installed, among them:"
grep -E '^(libqt6|qt6|orvane)' "$out/packages-pulled-in.txt" | paste -sd ' '
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -qx "$library" "$out/packages-pulled-in.txt" || fail "apt didn't pull in $library"
done

step "the desktop entry's Exec, on an Xvfb screen of 1024 x 768"
desktop=$root/usr/share/applications/orvane-tutorial.desktop
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUdDnNickvm]//g')
echo "Exec=$command"
start_xvfb 1024x768x24 "$out/xvfb.log"
chroot "$root" "${clean_environment[@]}" DISPLAY="$xvfb_display" sh -c "exec $command" \
    >/dev/null 2>"$out/program-stderr.txt" &
program=$!
await_scene_1 "$program" "$root/usr/lib/orvane-tutorial" 10 "$out"
kill -TERM "$program"
wait "$program" || true
if grep '^orvane-tutorial:' "$out/program-stderr.txt"; then
    fail "the program couldn't show scene 1's picture"
fi

step "apt purge orvane-tutorial"
in_root dpkg-query -L orvane-tutorial >"$out/package-files.txt"
in_root apt purge -y orvane-tutorial >"$out/purge.log" 2>&1 ||
    fail "apt purge failed, see $out/purge.log"
left=()
while IFS= read -r path; do
    [[ $path != /. ]] || continue
    [[ -e $root$path || -L $root$path ]] || continue
    # A directory that another package owns too, /usr/share for one, stays.
    if [[ -d $root$path && ! -L $root$path ]] && in_root dpkg-query -S "$path" >/dev/null 2>&1; then
        continue
    fi
    left+=("$path")
done <"$out/package-files.txt"
((${#left[@]} == 0)) || fail "left behind: ${left[*]}"
echo "none of the package's $(wc -l <"$out/package-files.txt") paths is left"
in_root apt-get autoremove --purge -y >>"$out/purge.log" 2>&1
in_root apt-get clean
snapshot >"$out/files-after.txt"
# What other packages' scripts leave (systemd's machine-id, for one) is listed; a path that
# names the program fails the check.
diff "$out/files-before.txt" "$out/files-after.txt" |
    grep -vE '^[<>] \./var/(log|cache/(apt|debconf|ldconfig)|lib/(apt|dpkg))(/|$)' |
    grep -E '^[<>]' >"$out/files-changed.txt" || true
if grep -i orvane "$out/files-changed.txt"; then
    fail "after purge and autoremove these paths of the program are left"
fi
echo "after autoremove, no path names the program; $(wc -l <"$out/files-changed.txt") other" \
    "paths differ from before the install (files-changed.txt)"
echo
echo "clean-system check passed; logs and scene-1.png in $out"
