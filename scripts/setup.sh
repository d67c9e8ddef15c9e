# Shared set-up for the play and test commands: installs whatever Debian
# packages are missing, then configures and builds. Sourced, not run.

set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages needed to build and run the game.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libfontconfig-dev libxcb1-dev fonts-liberation2)
# Qt's Wayland platform plugin: without it the game runs through XWayland on
# a Wayland desktop instead of natively.
BUILD_PACKAGES+=(qt6-wayland)
# Packages needed only by the test suite. Packages are installed without
# their recommendations, so whatever the suite needs that a package merely
# recommends is named here: xvfb-run needs xauth.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool x11-utils python3-xlib imagemagick desktop-file-utils appstream dpkg-dev file lintian)
# The window tests on Wayland: a headless compositor and its screenshot
# client. libweston's headers, for the module that gives the compositor a
# seat, are packaged per libweston version; see weston_headers_package.
TEST_PACKAGES+=(weston)
# The accessibility tests: a private session bus, the accessibility bus and
# registry, the AT-SPI client library for Python, and the screen reader Orca
# (which pulls in speech-dispatcher; no voice is needed, nothing is spoken).
TEST_PACKAGES+=(dbus at-spi2-core gir1.2-atspi-2.0 python3-gi orca)
# The hardening steps: clang and memcheck. Clang's fuzzer and sanitizer
# runtimes are packaged per clang version; see clang_runtime_package.
TEST_PACKAGES+=(clang valgrind)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named packages that are not installed yet.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Prints the package of the installed clang's fuzzer and sanitizer runtimes,
# named after clang's major version (Debian 12 has clang 14, later releases a
# newer one), or nothing where that clang keeps its runtimes in its own
# packages.
clang_runtime_package() {
    local p
    p="libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
    if ! apt-cache show "$p" >/dev/null 2>&1; then
        as_root apt-get update -qq >&2
        apt-cache show "$p" >/dev/null 2>&1 || return 0
    fi
    echo "$p"
}

# Prints the headers package of the libweston the installed Weston runs on
# (libweston-10-dev on Debian 12), or nothing when Weston names none.
weston_headers_package() {
    local lib
    lib=$(dpkg-query -W -f='${Depends}' weston 2>/dev/null | grep -o 'libweston-[0-9]*-0' | head -n 1)
    [ -z "$lib" ] || echo "${lib%-0}-dev"
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}
