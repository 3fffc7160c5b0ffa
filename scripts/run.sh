#!/usr/bin/env bash
# Builds Corvalet and starts it. On a first start the bundled example wells are the source folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${CORVALET_BUILD_DIR:-$here/build}"
bash "$here/scripts/build.sh"
export CORVALET_DATA="${CORVALET_DATA:-$here/data}"
export CORVALET_EXAMPLES="${CORVALET_EXAMPLES:-$here/examples}"
exec "$build/gui/corvalet" "$@"
