#!/usr/bin/env bash
# Installs the Debian 12 packages Kestrova needs to build, run and test (only those missing).
set -euo pipefail

packages=(
    cmake g++ make ccache
    qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev fonts-liberation
    xvfb xauth poppler-utils imagemagick
    libxcb1-dev libxcb-damage0-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "Kestrova needs these Debian packages: ${missing[*]}" >&2
    echo "Run this script as root (or install them with sudo apt-get install)." >&2
    exit 1
fi
echo "Installing ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
