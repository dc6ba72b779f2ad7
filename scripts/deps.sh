#!/usr/bin/env bash
# Installs the system packages the build, the program and the tests need.
# Idempotent: installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang-format
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  qt6-webchannel-dev libqt6webenginecore6-bin qt6-l10n-tools
  libgl-dev libglx-dev libvulkan-dev
  qt6-qpa-plugins libqt6svg6
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth imagemagick
  libhunspell-dev hunspell-da libzip-dev zlib1g-dev
  clang libclang-rt-14-dev
  poppler-utils desktop-file-utils
  libgit2-dev git
  qt6-translations-l10n
  qt6-pdf-dev libqpdf-dev
  lintian appstream help2man man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
