#!/usr/bin/env bash
# Checks the C++ sources against .clang-format (clang-format 14) and exits non-zero naming file:line of every
# place that is not formatted as it asks.
#
# Scripts/check-format.sh [--all | BASE]
#   --all: every tracked source file under Plugins/, Engine/, Tests/, Benchmarks/ and Fuzz/.
#   BASE:  only the lines changed since git revision BASE (default HEAD: the uncommitted changes), as
#          `git clang-format BASE` would reformat them (run that command to fix them), and new files not yet added.
set -euo pipefail
Root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Root"

Mode="${1:-HEAD}"
Folders=(Plugins Engine Tests Benchmarks Fuzz)
Extensions=(h cpp inl)

"$Root/Scripts/ensure-deps.sh" clang-format-14

Patterns=()
for Folder in "${Folders[@]}"; do
	for Extension in "${Extensions[@]}"; do
		Patterns+=("$Folder/*.$Extension")
	done
done

if [ "$Mode" = "--all" ]; then
	Report="$(git ls-files -z -- "${Patterns[@]}" | xargs -0 -n 40 -P 2 clang-format-14 --style=file --dry-run -Werror 2>&1 || true)"
	# Each finding is "file:line:col: error: code should be clang-formatted", then the line itself.
	Findings="$(grep -E '^[^ ].*:[0-9]+:[0-9]+: error:' <<<"$Report" | sort -t: -k1,1 -k2,2n || true)"
	if [ -n "$Findings" ]; then
		echo "$Findings"
		echo "check-format: $(wc -l <<<"$Findings") places in $(cut -d: -f1 <<<"$Findings" | sort -u | wc -l) files are not formatted as .clang-format asks; 'clang-format-14 -i FILE' fixes a file" >&2
		exit 1
	fi
	echo "check-format: every source file is formatted as .clang-format asks" >&2
	exit 0
fi

if ! git rev-parse --verify --quiet "$Mode^{commit}" >/dev/null; then
	echo "check-format: '$Mode' is not a git revision; usage: $0 [--all | BASE]" >&2
	exit 2
fi

# git clang-format reads only tracked files; a new file not yet added is checked whole.
Untracked="$(git ls-files -z --others --exclude-standard -- "${Patterns[@]}" | xargs -0 -r clang-format-14 --style=file --dry-run -Werror 2>&1 | grep -E '^[^ ].*:[0-9]+:[0-9]+: error:' || true)"
if [ -n "$Untracked" ]; then
	echo "$Untracked"
	echo "check-format: new files not yet added to git are not formatted as .clang-format asks; 'clang-format-14 -i FILE' fixes a file" >&2
	exit 1
fi

ExtensionList="$(IFS=,; echo "${Extensions[*]}")"
Diff="$(git clang-format-14 --binary clang-format-14 --style file --extensions "$ExtensionList" --diff "$Mode" -- "${Folders[@]}" || true)"
if ! grep -q '^@@' <<<"$Diff"; then
	echo "check-format: the lines changed since $Mode are formatted as .clang-format asks" >&2
	exit 0
fi

echo "$Diff"
# Name each hunk by its file and the first line it changes in the working tree (the diff's old side).
awk '
	/^--- a\// { File = substr($0, 7); next }
	/^\+\+\+ / { next }
	/^@@ / { split($2, Range, ","); Line = substr(Range[1], 2); bPending = 1; next }
	bPending && /^ / { Line++; next }
	bPending && /^[-+]/ { print File ":" Line ": not formatted as .clang-format asks"; bPending = 0 }
' <<<"$Diff"
echo "check-format: lines changed since $Mode are not formatted as .clang-format asks; 'git clang-format $Mode' fixes them" >&2
exit 1
