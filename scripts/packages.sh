#!/usr/bin/env bash
# Installs what building, running and testing need (Debian 12, as root).
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkgconf ccache git
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  libcurl4-openssl-dev libxlsxwriter-dev libsodium-dev
  fonts-noto-cjk
  postgresql-15 postgresql-client-15
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-pyftpdlib python3-openpyxl
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages (run as root to install): ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
