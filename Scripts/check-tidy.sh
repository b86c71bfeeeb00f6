#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over the plugin's source files, with the compile commands of a
# build, and exits non-zero naming file:line of every finding.
#
# Scripts/check-tidy.sh [BUILD_DIR]
#   BUILD_DIR: a configured and built tree (default Build/default); its compile_commands.json gives each file's
#   flags, and its generated headers must exist, so build it first.
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

BuildDir="${1:-Build/default}"
Jobs="${QUOVEX_TIDY_JOBS:-2}"

"$Root/Scripts/ensure-deps.sh" clang-tidy-14

if [ ! -f "$BuildDir/compile_commands.json" ]; then
	echo "check-tidy: $BuildDir/compile_commands.json is missing: configure and build $BuildDir first (cmake --preset default && cmake --build --preset default)" >&2
	exit 2
fi

# The plugin's translation units, as the build compiles them.
mapfile -t Files < <(python3 - "$BuildDir/compile_commands.json" "$Root/Plugins/" <<'EOF'
import json, os, sys
Entries = json.load(open(sys.argv[1]))
print("\n".join(sorted({os.path.normpath(os.path.join(E["directory"], E["file"])) for E in Entries if os.path.normpath(os.path.join(E["directory"], E["file"])).startswith(sys.argv[2])})))
EOF
)
if [ ${#Files[@]} -eq 0 ]; then
	echo "check-tidy: no plugin source in $BuildDir/compile_commands.json" >&2
	exit 2
fi

Logs="$(mktemp -d)"
trap 'rm -rf "$Logs"' EXIT

# One log per file, printed in file order afterwards so the report reads the same on every run.
for Index in "${!Files[@]}"; do
	printf '%s\0%s\0' "${Files[$Index]}" "$Logs/$(printf '%04d' "$Index").log"
done | xargs -0 -n 2 -P "$Jobs" sh -c 'clang-tidy-14 -p "$0" --quiet "$1" > "$2" 2>&1 || echo "$1" >> "$2.failed"' "$BuildDir"

Failed=0
for Log in "$Logs"/*.log; do
	if [ -f "$Log.failed" ]; then
		Failed=$((Failed + 1))
		# Diagnostics name file:line:column; the lines under them show the code.
		sed -e "s|^$Root/||" "$Log"
	fi
done

if [ "$Failed" -ne 0 ]; then
	echo "check-tidy: findings in $Failed of ${#Files[@]} plugin source files" >&2
	exit 1
fi
echo "check-tidy: ${#Files[@]} plugin source files clean" >&2
