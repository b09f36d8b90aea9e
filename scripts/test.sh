#!/usr/bin/env bash
# Builds the project (installing what is missing) and runs every test.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${QUISTRA_BUILD_DIR:-$here/build}"

bash "$here/scripts/setup.sh"

# Qt tests run without a display.
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

cd "$build_dir"
ctest --output-on-failure -j"$(nproc)" --timeout 300
