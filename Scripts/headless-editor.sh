#!/usr/bin/env bash
# Builds what the headless editor needs and runs it; arguments go to the editor
# (default project: Samples/DemoStage).
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

"$Root/Scripts/ensure-deps.sh"
cmake --preset default >/dev/null
cmake --build --preset default --target headless-editor QuovexVirtualProduction QuovexTracking QuovexVirtualProductionEditor >&2

exec "$Root/Build/default/Binaries/headless-editor" "$@"
