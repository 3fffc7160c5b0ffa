#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/ and runs them. Argument: a folder for the
# generated large files (default: the system temp folder).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVALET_BUILD_BENCH=ON \
  -DCORVALET_BUILD_TESTS=OFF -DCORVALET_BUILD_GUI=OFF
cmake --build "$here/build-bench" --parallel "$(nproc)"
"$here/build-bench/bench/ScanBench" "${1:-${TMPDIR:-/tmp}}"
