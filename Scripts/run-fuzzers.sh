#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each fuzzer
# (Fuzz/<Subject>Fuzzer.cpp) in turn, then prints one line per fuzzer: executions, coverage (cov: edges, ft:
# features), corpus size and the outcome. Exits non-zero when a fuzzer found something or could not run.
#
# Scripts/run-fuzzers.sh [SECONDS | -runs=N] [TARGET_REGEX]
#   SECONDS: how long each fuzzer runs (default 60); -runs=N runs N inputs instead.
#   TARGET_REGEX: only the fuzzers whose name matches (e.g. "Config").
#
# Each fuzzer starts from its seeds in Fuzz/Corpus/<Target>/ (found crash inputs stay there as regression seeds, so a
# regression shows at start) and from what earlier runs kept in Build/fuzz/Corpus/<Target>/, where new inputs go.
# A finding is written to Build/fuzz/Artifacts/<Target>/; replay it with Build/fuzz/Binaries/<Target> <file>. Each run's
# libFuzzer output is kept in Build/fuzz/Logs/<Target>-<date>-<time>.log.
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

Budget="${1:-60}"
Filter="${2:-.}"
if [[ "$Budget" =~ ^-runs=[0-9]+$ ]]; then
	Limit=("$Budget")
elif [[ "$Budget" =~ ^[0-9]+$ ]]; then
	Limit=("-max_total_time=$Budget")
else
	echo "Usage: $0 [SECONDS | -runs=N] [TARGET_REGEX]" >&2
	exit 2
fi

# clang and its runtime libraries (libFuzzer, the sanitizers) for the fuzz preset.
"$Root/Scripts/ensure-deps.sh" clang libclang-rt-dev

Targets=()
for Source in "$Root"/Fuzz/*Fuzzer.cpp; do
	Target="$(basename "$Source" .cpp)"
	if [[ "$Target" =~ $Filter ]]; then
		Targets+=("$Target")
	fi
done
if [ ${#Targets[@]} -eq 0 ]; then
	echo "No fuzzer matches '$Filter'" >&2
	exit 1
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${Targets[@]}" >&2

Build="$Root/Build/fuzz"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Logs stay: a long run's progress lines ("#N ... exec/s") are the record of how far it got, even if it is stopped.
Logs="$Build/Logs"
mkdir -p "$Logs"
Stamp="$(date +%Y%m%d-%H%M%S)"
# Which code a run fuzzed, so that counts from several runs are only added up over the same code.
Revision="$(git -C "$Root" rev-parse --short HEAD 2>/dev/null || echo unknown)"
if [ -n "$(git -C "$Root" status --porcelain --untracked-files=no 2>/dev/null)" ]; then
	Revision="$Revision with uncommitted changes"
fi

Summary=()
Failed=()
for Target in "${Targets[@]}"; do
	Work="$Build/Corpus/$Target"
	Artifacts="$Build/Artifacts/$Target"
	mkdir -p "$Work" "$Artifacts"
	# A kilobyte of ini text or of console arguments already holds every construct, and each run costs less; the
	# asset files of the seeds need up to four. Property texts stay under NAME_SIZE characters: a longer name is a
	# failed check in the engine as in the stand-in, and the fuzzer would stop on it again and again.
	case "$Target" in
		ConfigFuzzer | ConsoleArgumentsFuzzer) MaxLen=1024 ;;
		PropertyTextFuzzer) MaxLen=1000 ;;
		*) MaxLen=4096 ;;
	esac
	Options=("${Limit[@]}" "-max_len=$MaxLen" -timeout=10 -rss_limit_mb=3072 -print_final_stats=1 "-artifact_prefix=$Artifacts/")
	if [ -f "$Root/Fuzz/$Target.dict" ]; then
		Options+=("-dict=$Root/Fuzz/$Target.dict")
	fi
	Log="$Logs/$Target-$Stamp.log"
	echo "== $Target ${Options[*]} (log: $Log)" >&2
	echo "Built from $Revision" >"$Log"
	Status=0
	(cd "$Build/Binaries" && "./$Target" "${Options[@]}" "$Work" "$Root/Fuzz/Corpus/$Target") >>"$Log" 2>&1 || Status=$?
	grep -E '^#[0-9]+' "$Log" | tail -n 3 >&2 || true
	Runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$Log" | tail -n 1)"
	Last="$(grep -E '^#[0-9]+.*cov: ' "$Log" | tail -n 1 || true)"
	Cov="$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$Last")"
	Ft="$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$Last")"
	Corpus="$(sed -n 's/.* corp: \([0-9]*\/[0-9A-Za-z]*\).*/\1/p' <<<"$Last")"
	if [ "$Status" -eq 0 ]; then
		Outcome="no finding"
	else
		Outcome="FINDING (exit $Status): $(grep -m1 -E 'Fuzz finding|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error|Fatal error|Assertion failed' "$Log" || echo 'see the log below')"
		Failed+=("$Target")
		echo "---- $Target log (tail)" >&2
		tail -n 60 "$Log" >&2
		ls -1 "$Artifacts" >&2 || true
	fi
	Summary+=("$(printf '%-24s %12s %8s %8s %12s  %s' "$Target" "${Runs:--}" "${Cov:--}" "${Ft:--}" "${Corpus:--}" "$Outcome")")
done

printf '%-24s %12s %8s %8s %12s  %s\n' "Fuzzer" "Executions" "cov" "ft" "Corpus" "Outcome"
printf '%s\n' "${Summary[@]}"
if [ ${#Failed[@]} -ne 0 ]; then
	echo "Findings: ${Failed[*]}" >&2
	exit 1
fi
