#!/usr/bin/env bash
# Builds Corvalet and runs every test (the Qt ones offscreen, so no display is needed).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${CORVALET_BUILD_DIR:-$here/build}"
bash "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
