#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program,
# asking apt only for those not installed yet.
set -euo pipefail

packages=(
  build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools
  libqt6sql6-mysql libgl-dev mariadb-server mariadb-client libzip-dev zip unzip
  xvfb xauth imagemagick fonts-dejavu-core libxlsxwriter-dev
  libcurl4-openssl-dev libfreexl-dev python3-aiosmtpd python3-openpyxl
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
