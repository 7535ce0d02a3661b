#!/usr/bin/env bash
# Installs the Debian packages needed to build QLSetup (and, with "test", to run its tests,
# which also check the installed files, build and lint the Debian package and run once more
# under another locale).
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev libjpeg62-turbo-dev libxkbcommon-dev)
if [ "${1:-}" = test ]; then
    packages+=(socat xvfb xauth xdotool imagemagick poppler-utils fonts-dejavu-core)
    packages+=(desktop-file-utils shared-mime-info dpkg-dev file lintian man-db groff-base)
    packages+=(locales tzdata)
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The second test run's locale.
if [ "${1:-}" = test ] && ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
