#!/usr/bin/env bash
# Builds the project (installing what is missing) and starts the window
# program with a bundled sample test open. Extra arguments replace the sample:
#   bash scripts/run.sh path/to/test.sdn
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${QUISTRA_BUILD_DIR:-$here/build}"

bash "$here/scripts/setup.sh"

program="$build_dir/app/ardelven-quistra"
args=("$@")
if ((${#args[@]} == 0)); then
    sample="$(find "$here/samples" -maxdepth 2 -name '*.sdn' 2>/dev/null | sort | head -n 1 || true)"
    if [ -n "$sample" ]; then args=("$sample"); fi
fi

# The settings file "Ustawienia.dat" lives in the working directory: keep it
# beside the build rather than in the source tree.
cd "$build_dir"
exec "$program" "${args[@]}"
