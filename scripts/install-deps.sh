#!/usr/bin/env bash
# Installs the Debian 12 packages that Quenor needs to build, run and test.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  qt6-translations-l10n
  libicu-dev libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  xvfb xauth poppler-utils
  dpkg-dev desktop-file-utils appstream lintian man-db
  fonts-liberation2 fonts-blankenburg fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
