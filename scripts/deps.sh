#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Zorbit needs, only those that are missing.
set -euo pipefail
packages=(cmake g++ make ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgtest-dev
          libbenchmark-dev ccache xdg-utils fonts-dejavu-core fonts-liberation2 poppler-utils
          desktop-file-utils appstream dpkg-dev dbus-daemon)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
