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
# Needs debootstrap, xvfb, x11-apps (xwd), netpbm and python3 on this machine.
set -euo pipefail
deb=$(readlink -f "$1")
out=${2:-/var/tmp/orvane-clean-system-check}
mkdir -p "$out"
out=$(cd "$out" && pwd)
mirror=${MIRROR:-http://deb.debian.org/debian}
((EUID == 0)) || { echo "clean-system-check: run as root (debootstrap, chroot)" >&2; exit 1; }

root=$(mktemp -d /var/tmp/orvane-chroot.XXXXXX)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    umount "$root/proc" "$root/dev" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT

step() { printf '\n== %s\n' "$*"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }
# Every file, link and directory of the system, without the mounted /proc and /dev.
snapshot() {
    (cd "$root" && find . -xdev -path ./proc -prune -o -path ./dev -prune -o -print | sort)
}
# shellcheck disable=SC2016 # the format is dpkg-query's, not the shell's
installed_packages() { in_root dpkg-query -W -f '${Package}\n' | sort; }

step "debootstrap: Debian 12 (minbase) from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$out/debootstrap.log" 2>&1 ||
    fail "debootstrap failed, see $out/debootstrap.log"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
in_root apt-get update -qq
in_root apt-get clean
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
mkfifo "$root.displayfd"
exec {display_fd}<>"$root.displayfd"
rm "$root.displayfd"
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$display_fd" || fail "Xvfb didn't start"
# The chroot reaches the server through its abstract socket, which it shares with this machine.
chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/root LANG=C.UTF-8 \
    DISPLAY=":$display" sh -c "exec $command" >/dev/null 2>"$out/program-stderr.txt" &
program=$!
programdir=$root/usr/lib/orvane-tutorial
# The program makes its own directory the working directory right before it loads scene 1's
# picture; then it gets a moment to draw.
for _ in $(seq 100); do
    [[ $(readlink "/proc/$program/cwd" 2>/dev/null) == "$programdir" ]] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
sleep 2
kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$out/program-stderr.txt")"
xwd -root -display ":$display" | xwdtopnm 2>/dev/null >"$out/screen.ppm"
pnmtopng "$out/screen.ppm" >"$out/scene-1.png"
kill -TERM "$program"
wait "$program" || true
if grep '^orvane-tutorial:' "$out/program-stderr.txt"; then
    fail "the program couldn't show scene 1's picture"
fi
giftopnm "$programdir/TutorialTips.GIF" >"$out/picture.ppm" 2>/dev/null
# The picture on the screen: every place where its middle row lies is tried, and at one of them
# every row of the picture must be on the screen unchanged.
find_picture() {
    python3 - "$@" <<'EOF'
import sys

def read_ppm(path):
    data = open(path, "rb").read()
    fields, position = [], 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    assert fields[0] == b"P6" and fields[3] == b"255", "not an 8-bit PPM"
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:]
    return width, height, [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]

screen_width, screen_height, screen = read_ppm(sys.argv[1])
width, height, picture = read_ppm(sys.argv[2])
middle = picture[height // 2]
best = (0, None)
for y in range(height // 2, screen_height - (height - height // 2) + 1):
    x = screen[y].find(middle)
    while x >= 0:
        if x % 3 == 0:
            top = y - height // 2
            same = sum(screen[top + row][x:x + width * 3] == picture[row] for row in range(height))
            best = max(best, (same, (x // 3, top)))
        x = screen[y].find(middle, x + 1)
same, place = best
print(f"the {width} x {height} picture at {place} on the {screen_width} x {screen_height} screen: "
      f"{same} of {height} rows exact")
sys.exit(0 if same == height else 1)
EOF
}
find_picture "$out/screen.ppm" "$out/picture.ppm" || fail "scene 1's picture is not on the screen"

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
