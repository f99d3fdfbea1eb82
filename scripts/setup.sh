#!/usr/bin/env bash
# Sets up Tersalia on Debian 12: installs what is missing, builds, then either
# launches the program ("run") or runs every test ("test").
set -euo pipefail

mode="${1:-run}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

packages=(
  cmake ninja-build g++ ccache pkg-config lld
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libqpdf-dev libzip-dev libxml2-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation fonts-dejavu-core
  poppler-utils
  qt6-translations-l10n
)

# The tests also read the spreadsheet exports back through LibreOffice, and
# build the fuzz targets with clang's libFuzzer.
if [ "$mode" = "test" ]; then
  if ! command -v soffice >/dev/null 2>&1; then
    packages+=(libreoffice-calc-nogui)
  fi
  packages+=(clang libclang-rt-14-dev)
fi
# ... drive a few screens through a real X server (pointer, window close), with
# a real window manager where its frames and placement matter, and read the
# privacy document back through LibreOffice's Writer part.
if [ "$mode" = "test" ]; then
  packages+=(xvfb xdotool openbox imagemagick libreoffice-writer-nogui)
fi
# ... and read the backup copies back with another ZIP reader (Python's zipfile).
if [ "$mode" = "test" ]; then
  command -v python3 >/dev/null 2>&1 || packages+=(python3)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Paths inside the tree count relative to it, and the build folder's path is
# left out of the cache key, so another clone of the same sources reuses what
# ccache already compiled.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"

case "$mode" in
  run)
    exec "$build/tersalia"
    ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    # The fuzz targets: a short fixed-time run of each, then every seed and
    # every crash ever found (a build of their own, with clang).
    cmake -S "$root/fuzz" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++
    cmake --build "$root/build-fuzz" -j "$(nproc)"
    ctest --test-dir "$root/build-fuzz" --output-on-failure
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
