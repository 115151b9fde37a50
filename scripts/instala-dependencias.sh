#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

pacotes=(
  g++ clang libclang-rt-dev clang-tidy cmake make pkg-config
  freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev libegl-dev libpng-dev libtiff-dev libhdf5-dev
  libgeographiclib-dev libgeonames-dev gmt-gshhg-low gmt-gshhg-high
  libbz2-dev zlib1g-dev libnetcdf-dev
  dpkg-dev desktop-file-utils groff-base man-db
  libgtest-dev
  xvfb xdotool imagemagick x11-utils
)

faltam=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltam+=("$p")
  fi
done
[ ${#faltam[@]} -eq 0 ] && exit 0

echo "vorlane: instalando pacotes: ${faltam[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltam[@]}"
