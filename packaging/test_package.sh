#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack, installs it with dpkg into a
# scratch root (its own dpkg database, nothing of the real system touched),
# checks what it installed, starts the installed program offscreen, and
# removes the package again.
#
#   test_package.sh BUILD_DIR VERSION DESKTOP_NAME APPSTREAM_ID
set -euo pipefail
build=$1 version=$2 name=$3 appid=$4
package=zut-informatika

scratch=$(mktemp -d)
pid=
cleanup() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The package.
if ! (cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
debs=("$scratch"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || { echo "FAIL: cpack made no single .deb"; exit 1; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[[ "$(basename "$deb")" == "${package}_${version}_${arch}.deb" ]] ||
    fail "package file is $(basename "$deb")"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Package)" == "$package" ]] || fail "Package: $(field Package)"
[[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version)"
[[ "$(field Architecture)" == "$arch" ]] || fail "Architecture: $(field Architecture)"
[[ "$(field Section)" == education ]] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "Maintainer is not 'Name <address>': $(field Maintainer)"
# The libraries the program links must be named as dependencies.
depends=$(field Depends)
for lib in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 libyaml-cpp libxcb1 libstdc++6 libc6; do
    [[ ",$depends" =~ [,\ ]"$lib" ]] || fail "Depends lacks $lib: $depends"
done

# Installed into a scratch root of its own.
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The dependencies live on the real system, not in the scratch database.
dpkg() {
    command dpkg --root="$root" --log=/dev/null --force-not-root --force-depends "$@" \
        >>"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; echo "FAIL: dpkg $*"; exit 1; }
}
dpkg --install "$deb"
status=$(dpkg-query --root="$root" -W -f='${Status}' "$package")
[[ "$status" == "install ok installed" ]] || fail "after install, status is '$status'"

usr=$root/usr
[[ -x "$usr/bin/zut-informatika" ]] || fail "no executable usr/bin/zut-informatika"
desktop=$usr/share/applications/$name.desktop
metainfo=$usr/share/metainfo/$appid.metainfo.xml
[[ -f "$desktop" ]] || fail "no desktop entry"
[[ -f "$metainfo" ]] || fail "no AppStream entry"
[[ -s "$usr/share/doc/$package/copyright" ]] || fail "no copyright file"
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$name.png
    what=$(file -b "$png" 2>&1)
    [[ "$what" == "PNG image data, $size x $size, 8-bit/color RGBA"* ]] ||
        fail "icon ${size}x${size}: $what"
done
svg=$usr/share/icons/hicolor/scalable/apps/$name.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon"

# The entries point at what the package holds.
key() { sed -n "s/^$1=//p" "$desktop"; }
[[ "$(key Exec)" == zut-informatika ]] || fail "Exec=$(key Exec)"
[[ "$(key Icon)" == "$name" ]] || fail "Icon=$(key Icon)"
grep -q "<launchable type=\"desktop-id\">$name.desktop</launchable>" "$metainfo" ||
    fail "the AppStream entry does not launch $name.desktop"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the AppStream entry has no release $version"
desktop-file-validate "$desktop" || fail "installed desktop entry does not validate"

# The installed program starts and waits in its event loop.
QT_QPA_PLATFORM=offscreen "$usr/bin/zut-informatika" >"$scratch/run.log" 2>&1 &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" || true
else
    wait "$pid" && code=0 || code=$?
    fail "the installed program ended within two seconds (exit $code)"
    cat "$scratch/run.log"
fi
pid=

# Removed again: the package gone from the database, none of its files left.
dpkg --remove "$package"
status=$(dpkg-query --root="$root" -W -f='${Status}' "$package" 2>/dev/null || true)
[[ -z "$status" || "$status" == "unknown ok not-installed" ]] ||
    fail "after removal, status is '$status'"
left=$(find "$root" -path "$root/var/lib/dpkg" -prune -o ! -type d -print)
[[ -z "$left" ]] || fail "files left after removal: $left"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package installed, started and removed"
