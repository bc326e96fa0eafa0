#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need, when missing.
set -euo pipefail

packages=(cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-svg-dev
          qt6-translations-l10n clang-format fonts-dejavu-core xvfb xauth imagemagick xdotool hyperfine)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
