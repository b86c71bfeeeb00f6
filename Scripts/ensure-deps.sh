#!/usr/bin/env bash
# Installs the Debian packages the build needs when any is missing, and any further packages named on the
# command line (Scripts/ensure-deps.sh clang-format-14) for the scripts that need more than the build.
set -euo pipefail

Packages=(cmake ninja-build g++ python3 googletest libgtest-dev libgmock-dev nlohmann-json3-dev libbenchmark-dev "$@")
Missing=()
for Package in "${Packages[@]}"; do
	if ! dpkg-query -W -f='${Status}' "$Package" 2>/dev/null | grep -q "install ok installed"; then
		Missing+=("$Package")
	fi
done

if [ ${#Missing[@]} -eq 0 ]; then
	exit 0
fi

echo "Installing missing packages: ${Missing[*]}" >&2
Sudo=""
if [ "$(id -u)" -ne 0 ]; then
	Sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$Sudo apt-get update -q >&2 || true
$Sudo apt-get install -y -q "${Missing[@]}" >&2
