# Installs the Debian packages the build needs, skipping those already present.
# Sourced by run.sh and test.sh; needs root (or sudo) only when something is missing.
vantaedit_install() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

VANTAEDIT_BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgl-dev libgtest-dev
                          libbenchmark-dev librsvg2-bin)
# What the editor needs at run time beyond its libraries: Qt's Chinese standard dialogs.
VANTAEDIT_RUN_PACKAGES=(qt6-translations-l10n fonts-noto-cjk)
# The checks of the installed files and of the Debian package.
VANTAEDIT_TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev file python3)
# The Windows check: the 64-bit MinGW-w64 C++ compiler (the x86-64, POSIX-thread part of
# mingw-w64), Wine (64-bit), GoogleTest's sources to build with that compiler, the icon renderer
# the resources' build names, and for the window tests a virtual display, a Chinese font and
# Wine's symbol font for the caption buttons.
VANTAEDIT_WINDOWS_PACKAGES=(cmake g++-mingw-w64-x86-64-posix wine wine64 googletest librsvg2-bin
                            xvfb fonts-noto-cjk fonts-wine)
# The fuzz check: clang with its runtimes (libFuzzer and the sanitizers); it links the C++
# library of build-essential's compiler.
VANTAEDIT_FUZZ_PACKAGES=(build-essential cmake clang libclang-rt-14-dev)

vantaedit_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j2
}

# Configures a cross-build for 64-bit Windows in BUILD_DIR (absolute): the editor on the Windows
# backend, vantaedit-cli and the tests, with GoogleTest built from Debian's sources by the same
# compiler, all linked statically. Optimised without debugging information, which nothing under
# Wine reads and which makes every link slow; at -O2, since -O3 brings a false -Wrestrict warning
# of GCC 12 inside std::string.
vantaedit_windows_configure() {
    local build=$1
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DVANTAEDIT_DOCUMENT_ONLY=OFF -DVANTAEDIT_WERROR=ON \
        -DVANTAEDIT_GTEST_SOURCE=/usr/src/googletest >/dev/null
}
