#!/usr/bin/env bash
# Lists the fuzz runs kept in Build/fuzz/Logs: for each run its fuzzer, start, the commit it was built from, how many
# inputs it ran (the final count of a finished run, else the last progress line of a stopped one) and whether it found
# something. Runs of one fuzzer over the same code add up: libFuzzer starts each run from the corpus the earlier
# ones kept.
#
# Scripts/fuzz-counts.sh [TARGET_REGEX]
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
Filter="${1:-.}"
Logs="$Root/Build/fuzz/Logs"
if [ ! -d "$Logs" ]; then
	echo "No fuzz logs in $Logs; run Scripts/run-fuzzers.sh first" >&2
	exit 1
fi

Found=0
for Log in "$Logs"/*.log; do
	[ -e "$Log" ] || continue
	Name="$(basename "$Log" .log)"
	Target="${Name%-*-*}"
	[[ "$Target" =~ $Filter ]] || continue
	if [ "$Found" -eq 0 ]; then
		printf '%-24s %-15s %-34s %12s  %s\n' "Fuzzer" "Started" "Built from" "Executions" "Outcome"
		Found=1
	fi
	Started="${Name#"$Target"-}"
	Built="$(sed -n '1s/^Built from //p' "$Log")"
	Runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$Log" | tail -n 1)"
	State="finished"
	if grep -aq 'libFuzzer: run interrupted' "$Log"; then
		State="stopped"
	fi
	if [ -z "$Runs" ]; then
		Runs="$(grep -aoE '^#[0-9]+' "$Log" | tail -n 1 | tr -d '#' || true)"
		State="stopped"
	fi
	if grep -aqE 'Fuzz finding|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error|Fatal error|Assertion failed|deadly signal' "$Log"; then
		Outcome="FINDING"
	else
		Outcome="no finding, $State"
	fi
	printf '%-24s %-15s %-34s %12s  %s\n' "$Target" "$Started" "${Built:-not recorded}" "${Runs:-0}" "$Outcome"
done
if [ "$Found" -eq 0 ]; then
	echo "No fuzz log matches '$Filter'" >&2
	exit 1
fi
