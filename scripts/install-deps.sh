#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test Zelmora.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libglx-dev libegl-dev libvulkan-dev
  libxkbcommon-dev
  ffmpeg
  libmediainfo0v5 libmediainfo-dev mediainfo
  zlib1g-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth x11-utils imagemagick xdg-utils xdg-user-dirs dbus-bin
  fonts-dejavu-core
  desktop-file-utils appstream binutils groff-base
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# Any one of Debian's libcurl development flavours will do.
if ! dpkg-query -W -f='${Status}' libcurl4-gnutls-dev libcurl4-openssl-dev 2>/dev/null | grep -q "install ok installed"; then
  missing+=(libcurl4-gnutls-dev)
fi

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
