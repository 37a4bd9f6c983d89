#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need,
# but only when one of them is missing, so a prepared machine starts at once.
set -euo pipefail
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev libqt6svg6
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
