#!/usr/bin/env bash
# Installs the Debian packages the build needs, if any is missing (clang and
# its runtime libraries build the fuzz targets with libFuzzer).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libtinyxml2-dev libswscale-dev libavutil-dev libcairo2-dev fonts-dejavu-core
  nlohmann-json3-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  binutils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
