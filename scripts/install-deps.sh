#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when some are missing.
# Usage: install-deps.sh build|run|fuzz|test
source "$(dirname "$0")/lib.sh"
what=${1:-test}

build=(cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
       g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
       libosmesa6-dev libglu1-mesa-dev libgl-dev libpng-dev imagemagick)
build+=(nsis unzip)  # the installer, and the check of what the zips hold
build+=(python3 osslsigncode openssl)  # the staging and the zips; signing, and the signing test's certificates
build+=(valgrind time)  # the drawing's instructions and page faults per frame (benchmarks)
run=(wine wine64 xvfb x11-utils xdotool libgl1-mesa-dri fonts-ipafont-gothic)
# Several monitors: Xorg with the dummy video driver, arranged by xrandr.
run+=(xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils)
# The caption buttons' glyphs (Marlett), and the definitions of the locales the Wine runs generate.
run+=(fonts-wine locales)
sound=(pulseaudio pulseaudio-utils sox libsox-fmt-mp3 lame
       gstreamer1.0-plugins-good gstreamer1.0-plugins-base gstreamer1.0-libav)
fuzz=(clang-14 libclang-rt-14-dev)
# Wine's 32-bit half with the OpenGL and MP3 decoding that the 32-bit programs use through it.
run32=(wine32:i386 libgl1:i386 libgl1-mesa-dri:i386)
sound32=(gstreamer1.0-plugins-good:i386 gstreamer1.0-plugins-base:i386)

case $what in
build) wanted=("${build[@]}") wanted32=() ;;
run) wanted=("${build[@]}" "${run[@]}") wanted32=("${run32[@]}") ;;
fuzz) wanted=("${build[@]}" "${fuzz[@]}") wanted32=() ;;
test) wanted=("${build[@]}" "${run[@]}" "${sound[@]}" "${fuzz[@]}") wanted32=("${run32[@]}" "${sound32[@]}") ;;
*) echo "usage: install-deps.sh build|run|fuzz|test" >&2; exit 2 ;;
esac

missing_of() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
apt_install() {
    echo "Installing: $*"
    $sudo apt-get update -q &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@"
}

mapfile -t missing < <(missing_of "${wanted[@]}")
[ ${#missing[@]} -eq 0 ] || apt_install "${missing[@]}"

# The 32-bit half only where the kernel runs 32-bit programs: elsewhere wine32 is of no use,
# and it comes after the rest so that nothing it does can spoil the 64-bit set-up.
[ ${#wanted32[@]} -eq 0 ] && exit 0
if ! why=$("$harness/runs-32bit.sh"); then
    echo "$why; the i686 build is built and linked, not run"
    exit 0
fi
mapfile -t missing < <(missing_of "${wanted32[@]}")
[ ${#missing[@]} -eq 0 ] && exit 0
{ dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386; } &&
    apt_install "${missing[@]}" ||
    echo "Wine's 32-bit half did not install; the i686 build is built and linked, not run"
