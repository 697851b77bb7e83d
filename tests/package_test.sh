#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package. Builds it with dpkg-buildpackage from a copy of the source tree in a
# temporary directory, then checks what it holds (dpkg-deb -c) against what it must hold, its
# control fields, and that lintian, desktop-file-validate and appstreamcli accept it.
# Exits with 77 (skipped) where the Debian packaging tools are missing.
#
# Usage: package_test.sh <source-dir> <build-dir> <project-version>
set -euo pipefail
source_dir=$(cd "$1" && pwd -P) build_dir=$(cd "$2" && pwd -P) project_version=$3

for tool in dpkg-buildpackage dh lintian desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is missing (tools/setup-machine.sh test installs it)"
        exit 77
    }
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The copy: the checkout without its version control and build directories.
copy=$work/orvane-tutorial
mkdir "$copy"
excludes=(--exclude=./.git --exclude='./build*' --exclude='./obj-*')
[[ $build_dir == "$source_dir"/* ]] && excludes+=("--exclude=./${build_dir#"$source_dir"/}")
tar -C "$source_dir" "${excludes[@]}" -cf - . | tar -C "$copy" -xf -

# The versions agree: the project's, the package's, the AppStream release's and the manual's.
package_version=$(dpkg-parsechangelog -l "$copy/debian/changelog" -S Version)
[[ ${package_version%-*} == "$project_version" ]] ||
    fail "debian/changelog gives $package_version, the project is $project_version"
metainfo=$copy/packaging/org.orvane.tutorial.metainfo.xml
grep -q "<release version=\"$project_version\"" "$metainfo" ||
    fail "the AppStream metadata has no release $project_version"
grep -q "^\.TH .*\"orvane-tutorial $project_version\"" "$copy/packaging/orvane-tutorial.1" ||
    fail "the manual page names another version"

echo "building the package with dpkg-buildpackage"
if ! (cd "$copy" && CCACHE_BASEDIR=$copy dpkg-buildpackage -b -us -uc -Jauto) \
    >"$work/build.log" 2>&1; then
    tail -40 "$work/build.log" >&2
    fail "dpkg-buildpackage failed"
fi
deb=$work/orvane-tutorial_${package_version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $(basename "$deb"); built: $(ls "$work")"
ls -l "$deb"

# The layout: exactly these files, no more.
programdir=usr/lib/orvane-tutorial
expected=(
    "$programdir/orvane-tutorial"
    "usr/bin/orvane-tutorial -> ../lib/orvane-tutorial/orvane-tutorial"
    usr/share/applications/orvane-tutorial.desktop
    usr/share/metainfo/org.orvane.tutorial.metainfo.xml
    usr/share/man/man1/orvane-tutorial.1.gz
    usr/share/doc/orvane-tutorial/copyright
    usr/share/doc/orvane-tutorial/changelog.Debian.gz
    usr/share/lintian/overrides/orvane-tutorial
    usr/share/icons/hicolor/scalable/apps/orvane-tutorial.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/orvane-tutorial.png")
done
while IFS= read -r picture; do
    expected+=("$programdir/$picture")
done < <(find "$source_dir/pictures" -maxdepth 1 -type f -iname '*.gif' -printf '%f\n')
((${#expected[@]} == 9 + 8 + 2 * 80)) || fail "expected 80 pictures and their copies at twice the density in $source_dir/pictures"

dpkg-deb -c "$deb" >"$work/contents"
# Every entry but directories, as "path" or "path -> target".
actual=$(awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ *\.\//, ""); print }' \
    "$work/contents" | sort)
if ! diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") >"$work/layout.diff"; then
    cat "$work/layout.diff" >&2
    fail "the package's files differ from the layout (< missing, > unexpected)"
fi
grep -q "^-rwxr-xr-x root/root .* ./$programdir/orvane-tutorial$" "$work/contents" ||
    fail "the program is not an executable owned by root"

# The control fields. Depends, as the tools computed it, must hold the package that carries Qt's
# X11 platform plugin on this system (libqt6gui6 on Debian 12).
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == orvane-tutorial ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$package_version" ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == $(dpkg --print-architecture) ]] ||
    fail "Architecture: $(field Architecture)"
for name in Maintainer Section Priority Installed-Size Description; do
    [[ -n $(field "$name") ]] || fail "no $name field"
done
depends=$(field Depends)
plugin_package=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1)
for package in libqt6widgets6 "$plugin_package"; do
    [[ ", $depends," =~ [\ ,]${package}[\ ,] ]] || fail "Depends lacks $package: $depends"
done
[[ $(field Built-Using) == "fonts-liberation (= "*")" ]] ||
    fail "Built-Using doesn't name the built-in font's package: $(field Built-Using)"

# What the package installs, checked by the tools that desktops and Debian use.
lintian --info --pedantic --fail-on error,warning "$deb" ||
    fail "lintian reports errors or warnings"
root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/orvane-tutorial.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.orvane.tutorial.metainfo.xml" ||
    fail "appstreamcli rejects the metadata"
# The tree as a software centre reads it: the metadata's desktop entry and its icon are there.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"
echo "package $(basename "$deb"): $(wc -l <<<"$actual") files; layout, fields, lintian," \
    "desktop entry and metadata ok"
