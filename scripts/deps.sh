#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs with apt-get the Debian packages that building and running Chalkline need,
# with "test" also those its tests and the developers' tools (the benchmark's probe)
# need, and with "package" those that making and checking its Debian package need.
# Nothing is installed, and apt is not touched, when every package is already there.
set -euo pipefail

packages=(cmake make g++ lld qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools gettext appstream libgtest-dev fonts-dejavu-core fonts-dejavu-extra
          fonts-liberation2 fonts-wine)
case "${1:-}" in
test) packages+=(xvfb xdotool x11-utils desktop-file-utils qt6-base-private-dev
                libx11-dev libxtst-dev libxdamage-dev libxext-dev) ;;
package) packages+=(dpkg-dev file lintian) ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [ "$status" != installed ]; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
