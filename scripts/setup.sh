#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) when it is missing, then
# configures and builds the project into build/. A second run installs nothing
# and rebuilds only what changed.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${QUISTRA_BUILD_DIR:-$here/build}"

packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgtest-dev
          libbenchmark-dev clang-14 libclang-rt-14-dev poppler-utils xvfb xauth
          fonts-dejavu-core fonts-wine)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

cmake -S "$here" -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE="${QUISTRA_BUILD_TYPE:-RelWithDebInfo}" \
    -DQUISTRA_WERROR="$werror" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
