#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

"$Root/Scripts/ensure-deps.sh"
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"
