#!/usr/bin/env bash
# Builds the release preset and runs every benchmark program (Benchmarks/<Subject>Benchmark.cpp), then prints
# one table: each case's time per iteration beside its floor's (the case named with "_Floor" after its function
# name) and their ratio.
#
# Scripts/run-benchmarks.sh [--long] [FILTER [BENCHMARK_OPTION...]]
#   --long: also the cases named "..._Long" (the one-hour take), which take minutes each and are left out otherwise.
#   FILTER: a regular expression on case names (e.g. "Tab"); a selected case brings its floor along.
#   BENCHMARK_OPTION: passed to every program after the defaults below, which it may override.
#
# By default every case runs in five repetitions interleaved at random with the others of its program, and the
# table shows medians: on a shared machine a case and its floor then meet the same load.
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

SelectOptions=()
if [ "${1:-}" = "--long" ]; then
	SelectOptions=(--long)
	shift
fi
Filter="${1:-}"
ProgramOptions=(--benchmark_repetitions=5 --benchmark_enable_random_interleaving=true --benchmark_min_time=0.1 "${@:2}")

"$Root/Scripts/ensure-deps.sh"
cmake --preset release >/dev/null
cmake --build --preset release --target QuovexBenchmarks >&2

Binaries="$Root/Build/release/Binaries"
Results="$(mktemp -d)"
trap 'rm -rf "$Results"' EXIT

Failed=()
for Source in "$Root"/Benchmarks/*Benchmark.cpp; do
	Program="$(basename "$Source" .cpp)"
	if ! Names="$("$Binaries/$Program" --benchmark_list_tests=true)"; then
		Failed+=("$Program")
		continue
	fi
	Selection="$(python3 "$Root/Scripts/benchmark-table.py" select "${SelectOptions[@]}" "$Filter" <<<"$Names")"
	if [ -z "$Selection" ]; then
		continue
	fi
	echo "== $Program" >&2
	if ! (cd "$Binaries" && "./$Program" --benchmark_filter="$Selection" --benchmark_out="$Results/$Program.json" \
		--benchmark_out_format=json "${ProgramOptions[@]}" >&2); then
		Failed+=("$Program")
	fi
done

if ! compgen -G "$Results/*.json" >/dev/null; then
	echo "No benchmark matches '$Filter'" >&2
	exit 1
fi
Status=0
python3 "$Root/Scripts/benchmark-table.py" table "$Results"/*.json || Status=$?
if [ ${#Failed[@]} -ne 0 ]; then
	echo "Failed: ${Failed[*]}" >&2
	exit 1
fi
exit $Status
