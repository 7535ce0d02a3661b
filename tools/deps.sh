#!/usr/bin/env bash
# Installs the Debian packages needed to build QLSetup (and, with "test", to run its tests,
# which also check the installed files and build the Debian package).
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev libjpeg62-turbo-dev libxkbcommon-dev)
if [ "${1:-}" = test ]; then
    packages+=(socat xvfb xauth xdotool imagemagick poppler-utils fonts-dejavu-core)
    packages+=(desktop-file-utils shared-mime-info dpkg-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
