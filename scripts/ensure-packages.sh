#!/usr/bin/env bash
# Installs the Debian packages Morvanta needs, skipping those already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libpugixml-dev
  libxml2-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-qpa-plugins
  fonts-liberation2
  xvfb xauth libx11-dev
  xdotool openbox x11-utils
  qpdf poppler-utils
  valgrind
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale lets the tests prove that numbers never follow the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "Could not generate de_DE.UTF-8; the locale test will be skipped."
fi
