#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there.
# Any sanitizer report aborts the process it came from, so it fails the test that ran it.
set -euo pipefail
exec "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/run-tests.sh" --preset asan "$@"
