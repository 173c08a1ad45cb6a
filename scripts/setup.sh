#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12 and fetches the sources of the
# libraries that are built here (GLFW, GLEW) and of the Wayland protocols that no binary package
# carries (wlroots' layer shell and virtual pointer) into .deps/. Safe to run again: it only does what is
# still missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps="$root/.deps"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    build-essential cmake ninja-build git pkg-config xz-utils dpkg-dev
    clang libclang-rt-14-dev googletest
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxi-dev libgl-dev libpng-dev libglew-dev
    libgtk-3-dev fonts-liberation glslang-tools
    libwayland-dev libwayland-bin libegl-dev wayland-protocols libsystemd-dev
    xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick icoutils mesa-utils libgl1-mesa-dri
    xserver-xorg-core xserver-xorg-video-dummy
    xscreensaver i3lock
    sway xwayland grim swayidle wtype wayland-utils foot weston mutter dbus
    g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 nsis
    lintian libxml2-utils binutils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

updated=no
if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    updated=yes
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# Source packages come from the same suite the binaries come from.
sources_entry=/etc/apt/sources.list.d/emberveil-sources.sources
if [ ! -f "$sources_entry" ]; then
    suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    as_root tee "$sources_entry" >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    updated=no
fi

fetch_source() {
    local package=$1 link=$2 wanted=$3
    if [ -f "$deps/$link/$wanted" ]; then
        return
    fi
    if [ "$updated" = no ]; then
        as_root apt-get update -qq
        updated=yes
    fi
    mkdir -p "$deps"
    (cd "$deps" && apt-get source -qq "$package" 2>&1 | grep -v -e 'unsandboxed' -e '^dpkg-source: info' || true)
    local dir
    dir=$(cd "$deps" && ls -d "$package"-[0-9]*/ 2>/dev/null | sort -V | tail -n 1)
    if [ -z "$dir" ] || [ ! -f "$deps/$dir/$wanted" ]; then
        echo "setup: could not fetch the $package source package" >&2
        exit 1
    fi
    ln -sfn "${dir%/}" "$deps/$link"
}

fetch_source glfw3 glfw3 include/GLFW/glfw3.h
fetch_source glew glew src/glew.c
fetch_source wlroots wlroots protocol/wlr-layer-shell-unstable-v1.xml

glfw_version=$(awk '/define GLFW_VERSION_(MAJOR|MINOR|REVISION)/ {printf "%s.", $3}' \
    "$deps/glfw3/include/GLFW/glfw3.h")
if [ "$glfw_version" != "3.3.8." ]; then
    echo "setup: expected GLFW 3.3.8, found ${glfw_version%.}" >&2
    exit 1
fi
