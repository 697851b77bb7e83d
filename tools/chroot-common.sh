# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# A fresh Debian 12 in a chroot, for the checks that try the tutorial on a machine that holds
# nothing else. Sourced by tools/fresh-machine-check.sh and tools/clean-system-check.sh, run as
# root. The minbase system that debootstrap makes is kept as a tarball, so only the first run
# downloads it; every run unpacks its own copy, which the EXIT trap removes again.
#
#   chroot_create ROOT LOG  unpacks a pristine system into the new directory ROOT, mounts /proc,
#                           /dev, /dev/pts and /dev/shm, and brings it up to date with the
#                           updates and security suites
#   in_root COMMAND...      runs COMMAND in it as root, with a clean environment; in the
#                           background, `chroot "$root" "${clean_environment[@]}" COMMAND... &`
#                           gives $! the command's own process, which a function's doesn't
#   chroot_remove           unmounts and deletes it
#   start_xvfb GEOMETRY LOG starts an Xvfb of this machine; sets xvfb_display (":N")
#   grab_screen PPM         writes that screen to PPM
#   await_scene_1 PID PROGRAMDIR SECONDS OUT  waits for the program PID to show scene 1 on that
#                           screen, grabs it to OUT/scene-1.png and fails unless scene 1's picture
#                           from PROGRAMDIR is on it
#   find_picture SCREEN PICTURE  succeeds where the PPM PICTURE is on the PPM SCREEN, unscaled
# Needs debootstrap, and for the screen xvfb, x11-apps (xwd), netpbm and python3.

mirror=${MIRROR:-http://deb.debian.org/debian}
base_cache=${ORVANE_BASE_CACHE:-/var/cache/orvane-fresh-machine}
# A base older than this many days is made anew: the first upgrade of an old one downloads more.
base_max_age_days=14

root=
xvfb_pid=

step() { printf '\n== %s\n' "$*"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

clean_environment=(env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive)
in_root() { chroot "$root" "${clean_environment[@]}" "$@"; }

# The tarball of a minbase bookworm with its three suites in sources.list, made once.
base_tarball() {
    local tarball=$base_cache/bookworm-minbase.tar
    mkdir -p "$base_cache"
    # Two checks at once: the second waits for the first one's base instead of making its own.
    exec {lock}>"$base_cache/lock"
    flock "$lock"
    if [[ ! -f $tarball ]] || [[ -n $(find "$tarball" -mtime +"$base_max_age_days") ]]; then
        local new
        new=$(mktemp -d /var/tmp/orvane-base.XXXXXX)
        echo "debootstrap: Debian 12 (minbase) from $mirror into $tarball" >&2
        debootstrap --variant=minbase bookworm "$new" "$mirror" >"$1" 2>&1 || {
            rm -rf --one-file-system "$new"
            fail "debootstrap failed, see $1"
        }
        cat >"$new/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
SOURCES
        tar --numeric-owner -C "$new" -cf "$tarball.new" .
        mv "$tarball.new" "$tarball"
        rm -rf --one-file-system "$new"
    fi
    exec {lock}>&-
    echo "$tarball"
}

chroot_create() {
    root=$1
    local tarball
    tarball=$(base_tarball "$2")
    tar --numeric-owner -C "$root" -xpf "$tarball"
    # mktemp made the directory for root alone; as the system's / it must let every user in,
    # or a test that drops to another user can't even load its libraries.
    chmod 0755 "$root"
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
    # A name that resolves, as on any machine: the chroot keeps the host's network.
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    in_root apt-get update -qq >>"$2" 2>&1 || fail "apt-get update failed, see $2"
    in_root apt-get -y -qq dist-upgrade >>"$2" 2>&1 || fail "apt-get dist-upgrade failed, see $2"
    in_root apt-get clean
}

chroot_remove() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    [[ -n $root && -d $root ]] || return 0
    # What still runs in the chroot (a build that was cut short, a test's X server) would keep
    # its mounts busy.
    local process
    for process in /proc/[0-9]*; do
        if [[ $(readlink "$process/root" 2>/dev/null) == "$root" ]]; then
            kill -KILL "${process#/proc/}" 2>/dev/null || true
        fi
    done
    sleep 1
    local mountpoint
    for mountpoint in dev/shm dev/pts dev proc; do
        umount "$root/$mountpoint" 2>/dev/null || umount -l "$root/$mountpoint" 2>/dev/null || true
    done
    rm -rf --one-file-system "$root"
}

# The chroot reaches this server through its abstract socket, which it shares with this machine.
start_xvfb() {
    local fifo display_fd
    fifo=$(mktemp -u /var/tmp/orvane-displayfd.XXXXXX)
    mkfifo "$fifo"
    exec {display_fd}<>"$fifo"
    rm "$fifo"
    Xvfb -displayfd "$display_fd" -screen 0 "$1" -nolisten tcp >"$2" 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 10 number <&"$display_fd" || fail "Xvfb didn't start"
    exec {display_fd}>&-
    xvfb_display=:$number
}

grab_screen() { xwd -root -display "$xvfb_display" | xwdtopnm 2>/dev/null >"$1"; }

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

await_scene_1() {
    local program=$1 programdir=$2 seconds=$3 out=$4
    # The program makes its own directory the working directory right before it loads scene 1's
    # picture; then it gets a moment to draw.
    local deadline=$((SECONDS + seconds))
    while ((SECONDS < deadline)); do
        [[ $(readlink "/proc/$program/cwd" 2>/dev/null) == "$programdir" ]] && break
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    sleep 2
    kill -0 "$program" 2>/dev/null || fail "the program ended before it showed scene 1 (its output is in $out)"
    [[ $(readlink "/proc/$program/cwd") == "$programdir" ]] ||
        fail "the program didn't reach scene 1 in $seconds s"
    grab_screen "$out/screen.ppm"
    pnmtopng "$out/screen.ppm" >"$out/scene-1.png"
    giftopnm "$programdir/TutorialTips.GIF" >"$out/picture.ppm" 2>/dev/null
    find_picture "$out/screen.ppm" "$out/picture.ppm" || fail "scene 1's picture is not on the screen"
}
