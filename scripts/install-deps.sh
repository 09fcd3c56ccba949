#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when some are missing.
# Usage: install-deps.sh build|run|test
set -euo pipefail
what=${1:-test}

build=(cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
       g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
       libosmesa6-dev libglu1-mesa-dev libgl-dev libpng-dev imagemagick)
build+=(nsis unzip)  # the installer, and the check of what the zips hold
run=(wine wine64 xvfb x11-utils xdotool libgl1-mesa-dri fonts-ipafont-gothic)
sound=(pulseaudio pulseaudio-utils sox libsox-fmt-mp3 lame
       gstreamer1.0-plugins-good gstreamer1.0-plugins-base gstreamer1.0-libav)

case $what in
build) wanted=("${build[@]}") ;;
run) wanted=("${build[@]}" "${run[@]}") ;;
test) wanted=("${build[@]}" "${run[@]}" "${sound[@]}") ;;
*) echo "usage: install-deps.sh build|run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# wine32 must stay away: these kernels cannot run 32-bit Linux programs, and once it is
# installed the wine launcher picks the 32-bit loader.
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
