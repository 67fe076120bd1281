#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for 64-bit Windows on Debian 12: one statically linked
# zut-informatika.exe that needs nothing beside it, a zip holding it, and an
# installer. With "--test" it then runs the .exe under Wine in a private X
# server (tests/windows_wine.sh).
#
#   scripts/windows.sh [--test]
#
# The first run builds Qt (the Debian sources of the very Qt the Linux build
# uses) and yaml-cpp for Windows into a cache outside the checkout,
# $ZUT_WINDOWS_CACHE or ~/.cache/zut-windows; later runs reuse them. The
# results go to build-windows/ in the checkout.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${ZUT_WINDOWS_CACHE:-$HOME/.cache/zut-windows}
out=$root/build-windows
jobs=$(nproc)
test=no
case "${1:-}" in
"") ;;
--test) test=yes ;;
*) echo "usage: scripts/windows.sh [--test]" >&2; exit 2 ;;
esac

say() { echo "== $*"; }
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

say "Packages"
"$root/scripts/setup.sh" --windows $([[ $test == yes ]] && echo --wine)

# The Debian source package NAME, unpacked into $cache/src/DIR once. Source
# packages need a deb-src entry for the release; one is added if missing.
unpack_source() {
    local name=$1 dir=$2
    [[ -d "$cache/src/$dir" ]] && return
    mkdir -p "$cache/src"
    if [[ -z "$(apt-cache showsrc "$name" 2>/dev/null)" ]]; then
        local release
        release=$(. /etc/os-release && echo "$VERSION_CODENAME")
        say "Adding the deb-src entry for $release"
        printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
            "Suites: $release $release-updates" "Components: main" \
            "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
            "${sudo[@]}" tee /etc/apt/sources.list.d/zut-deb-src.sources >/dev/null
        "${sudo[@]}" apt-get update -q
    fi
    (cd "$cache/src" && apt-get source --download-only "$name")
    local dsc
    dsc=$(ls "$cache/src/${name}"_*.dsc | head -n 1)
    dpkg-source --no-check -x "$dsc" "$cache/src/$dir.tmp"
    mv "$cache/src/$dir.tmp" "$cache/src/$dir"
}

toolchain=$root/cmake/mingw-w64-x86_64.cmake
cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
       -DZUT_WINDOWS_PREFIX="$cache/qt;$cache/yaml-cpp")

# Qt for Windows: only what the program uses (Core, Gui, Widgets, the
# Windows platform plugin and style, JPEG through Qt's own libjpeg), static,
# built against Debian's host tools of the same version. No Qt Svg: the
# program shows its vector pictures from QPicture recordings there.
# DirectWrite 3 is off: Qt 6.4 builds its DirectWrite font database only with
# Direct2D, which needs OpenGL, yet the Windows plugin asks for it whenever
# DirectWrite 3 is on; the GDI font database serves the embedded fonts.
qt_stamp=$cache/qt/.built-6.4.2-1
if [[ ! -e "$qt_stamp" ]]; then
    unpack_source qt6-base qtbase
    say "Building Qt for Windows (the first run only; about an hour on two cores)"
    cmake -S "$cache/src/qtbase" -B "$cache/build-qtbase" "${cross[@]}" \
        -DCMAKE_INSTALL_PREFIX="$cache/qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_network=OFF -DFEATURE_sql=OFF \
        -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_testlib=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF \
        -DFEATURE_pkg_config=OFF -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_sql_sqlite=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_xml=ON \
        -DFEATURE_tabletevent=OFF # Debian's sources leave out the Wintab headers it needs
    cmake --build "$cache/build-qtbase" -j "$jobs"
    cmake --install "$cache/build-qtbase" >/dev/null
    touch "$qt_stamp"
fi

# yaml-cpp, which reads the packed papers at run time.
yaml_stamp=$cache/yaml-cpp/.built-0.7.0-1
if [[ ! -e "$yaml_stamp" ]]; then
    unpack_source yaml-cpp yaml-cpp
    say "Building yaml-cpp for Windows"
    cmake -S "$cache/src/yaml-cpp" -B "$cache/build-yaml" "${cross[@]}" \
        -DCMAKE_INSTALL_PREFIX="$cache/yaml-cpp" -DYAML_BUILD_SHARED_LIBS=OFF \
        -DYAML_CPP_BUILD_TESTS=OFF -DYAML_CPP_BUILD_TOOLS=OFF -DYAML_CPP_BUILD_CONTRIB=OFF >/dev/null
    cmake --build "$cache/build-yaml" -j "$jobs"
    cmake --install "$cache/build-yaml" >/dev/null
    touch "$yaml_stamp"
fi

# The build-time tools (the packer that checks every paper, the picture
# tool) run here, so they come from a native build.
say "Building the build-time tools"
cmake -S "$root" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/host" -j "$jobs" --target zut-pack zut-draw

say "Building the program for Windows"
cmake -S "$root" -B "$out/windows" "${cross[@]}" -DCMAKE_PREFIX_PATH="$cache/qt;$cache/yaml-cpp" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DZUT_HOST_BUILD="$out/host" >/dev/null
cmake --build "$out/windows" -j "$jobs"

say "Packing"
version=$(sed -n 's/^project(zut-informatika VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
exe=$out/zut-informatika.exe
x86_64-w64-mingw32-strip -o "$exe" "$out/windows/zut-informatika.exe"
rm -rf "$out/zip" && mkdir -p "$out/zip"
cp "$exe" "$out/zip/"
cp "$root/LICENSE" "$out/zip/LICENSE.txt"
(cd "$out/zip" && cmake -E tar cf "$out/zut-informatika-$version-windows.zip" --format=zip \
    zut-informatika.exe LICENSE.txt)
(cd "$out/windows/packaging/windows" && makensis -V2 -DEXE="$exe" installer.nsi)
mv "$out/windows/packaging/windows/zut-informatika-$version-setup.exe" "$out/"
ls -l "$exe" "$out/zut-informatika-$version-windows.zip" "$out/zut-informatika-$version-setup.exe"

if [[ $test == yes ]]; then
    say "Testing under Wine"
    "$root/tests/windows_wine.sh" "$exe" "$out/zut-informatika-$version-setup.exe"
fi
