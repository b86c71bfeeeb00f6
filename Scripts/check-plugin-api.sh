#!/usr/bin/env bash
# Checks that every engine symbol the plugin's module libraries import is listed in Engine/PLUGIN_API.md, the
# ledger of what each was checked against in UE 5.3; exits non-zero naming each symbol it lacks.
#
# Scripts/check-plugin-api.sh [--write] [BUILD_DIR]
#   --write:   print the current imports as ledger rows instead (rows the ledger has are kept as they are; new
#              ones read "unverified"), grouped by the engine module that defines them, to maintain the file.
#   BUILD_DIR: a built tree (default Build/default); its Binaries/ holds the plugin libraries.
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

Mode=check
if [ "${1:-}" = "--write" ]; then
	Mode=write
	shift
fi
BuildDir="${1:-Build/default}"

# nm and c++filt.
"$Root/Scripts/ensure-deps.sh" binutils
exec python3 "$Root/Scripts/plugin-api.py" "$Mode" "$BuildDir" "$Root/Engine/PLUGIN_API.md"
