#!/usr/bin/env bash
# Builds everything and runs every test.
#
# Scripts/run-tests.sh [--preset NAME] [ctest arguments]
#   --preset: the CMake configure, build and test preset (default: default; asan: under the sanitizers).
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

Preset=default
if [ "${1:-}" = "--preset" ]; then
	Preset="${2:?--preset needs a name}"
	shift 2
fi

"$Root/Scripts/ensure-deps.sh"
cmake --preset "$Preset"
cmake --build --preset "$Preset"
ctest --preset "$Preset" "$@"
