#!/usr/bin/env python3
"""Pairs Google Benchmark results with their floors and prints one table.

A floor is named as its case with "_Floor" after the function name, arguments unchanged:
BM_Tab_OpenClose / BM_Tab_OpenClose_Floor, BM_TabEvent_OnTabClosed/1000 / BM_TabEvent_OnTabClosed_Floor/1000.
A case whose function name ends with "_Long" (BM_LevelSequenceRepair_Long, its floor BM_LevelSequenceRepair_Long_Floor)
takes minutes; it is selected only when long cases are asked for.
Run modifiers that Google Benchmark appends (iterations:10, manual_time ...) take no part in the pairing.
The time of a run is the one Google Benchmark chose its iterations by: CPU time of the benchmark's thread, or the
time a benchmark reports itself (manual time, such as the CPU time of processes it starts) or asks for (real time).

  benchmark-table.py select [--long] [FILTER] < names
                                               regular expression selecting the cases FILTER matches and their floors
  benchmark-table.py table RESULT.json...      the table of every result file
"""

import json
import re
import sys

FLOOR_SUFFIX = "_Floor"
LONG_SUFFIX = "_Long"
MODIFIER = re.compile(r"^(iterations|repeats|min_time|min_warmup_time|threads):|^(real_time|manual_time|process_time)$")
NANOSECONDS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def split_name(name):
    """(case key, whether it is a floor) of a benchmark name."""
    parts = name.split("/")
    function = parts[0]
    arguments = [part for part in parts[1:] if not MODIFIER.search(part)]
    is_floor = function.endswith(FLOOR_SUFFIX)
    if is_floor:
        function = function[: -len(FLOOR_SUFFIX)]
    return "/".join([function] + arguments), is_floor


def is_long(case):
    return case.split("/")[0].endswith(LONG_SUFFIX)


def select(pattern, with_long):
    """An exact-name filter for --benchmark_filter: the names FILTER matches and the floors of those cases."""
    names = [line.strip() for line in sys.stdin if line.strip()]
    matcher = re.compile(pattern) if pattern else None
    # Matched against the case's name as the table shows it, and against the full name.
    cases = {split_name(name)[0] for name in names
             if matcher is None or matcher.search(split_name(name)[0]) or matcher.search(name)}
    left_out = sorted(case for case in cases if is_long(case)) if not with_long else []
    if left_out:
        print("Left out, as they take minutes (--long runs them): %s" % ", ".join(left_out), file=sys.stderr)
        cases -= set(left_out)
    chosen = [name for name in names if split_name(name)[0] in cases]
    if chosen:
        # Google Benchmark reads the filter as a POSIX extended expression.
        print("^(" + "|".join(re.sub(r"([.\[\](){}*+?|^$\\])", r"\\\1", name) for name in chosen) + ")$")


def format_time(nanoseconds):
    # Judged after rounding to three digits, so that 999.7 ns shows as 1 us rather than 1e+03 ns.
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if float("%.3g" % (nanoseconds / scale)) >= 1:
            return "%.3g %s" % (nanoseconds / scale, unit)
    return "%.3g ns" % nanoseconds


def read_results(paths):
    """Per benchmark name, in the order registered: time per iteration in ns, or an error text."""
    results = {}
    order = {}
    host = None
    for file_index, path in enumerate(paths):
        try:
            with open(path, encoding="utf-8") as stream:
                document = json.load(stream)
        except (OSError, ValueError) as error:
            results[path] = "error: unreadable results (%s)" % error
            continue
        host = host or document.get("context")
        runs = document.get("benchmarks", [])
        # With repetitions the median stands for the run; otherwise the single run does.
        with_median = {run.get("run_name") for run in runs if run.get("aggregate_name") == "median"}
        for run in runs:
            name = run.get("run_name", run["name"])
            # Random interleaving shuffles the runs; the registration order comes back through the indices.
            order.setdefault(name, (file_index, run.get("family_index", 0), run.get("per_family_instance_index", 0)))
            if run.get("error_occurred"):
                results[name] = "error: " + run.get("error_message", "")
            elif (run.get("aggregate_name") == "median") if name in with_median else run.get("run_type", "iteration") == "iteration":
                measure = "real_time" if re.search(r"/(manual|real)_time(/|$)", name) else "cpu_time"
                results[name] = run[measure] * NANOSECONDS[run.get("time_unit", "ns")]
    ordered = sorted(results, key=lambda name: order.get(name, (len(paths), 0, 0)))
    return {name: results[name] for name in ordered}, host


def table(paths):
    results, host = read_results(paths)
    rows = {}
    for name, value in results.items():
        key, is_floor = split_name(name)
        row = rows.setdefault(key, {"case": None, "floor": None})
        row["floor" if is_floor else "case"] = value

    lines = [("Case", "Time/iteration", "Floor", "Case/Floor", "Over floor")]
    for key, row in rows.items():
        case, floor = row["case"], row["floor"]
        if case is None:
            # A floor whose case did not run stands on its own row.
            key, case, floor = key + FLOOR_SUFFIX, floor, None
        cells = [key, case if isinstance(case, str) else format_time(case), "-", "-", "-"]
        if floor is not None:
            cells[2] = floor if isinstance(floor, str) else format_time(floor)
            if isinstance(case, float) and isinstance(floor, float) and floor > 0:
                cells[3] = "%.2fx" % (case / floor)
                cells[4] = ("-" if case < floor else "") + format_time(abs(case - floor))
        lines.append(tuple(cells))

    if host:
        print("Host %s: %s CPUs at %s MHz, load average %s" % (
            host.get("host_name", "?"), host.get("num_cpus", "?"), host.get("mhz_per_cpu", "?"),
            " ".join("%.2f" % load for load in host.get("load_avg", []))))
    widths = [max(len(line[column]) for line in lines) for column in range(len(lines[0]))]
    for index, line in enumerate(lines):
        print("| " + " | ".join(cell.ljust(widths[column]) if column == 0 else cell.rjust(widths[column])
                                for column, cell in enumerate(line)) + " |")
        if index == 0:
            print("|" + "|".join("-" * (width + 1) + (":" if column else "-") for column, width in enumerate(widths)) + "|")
    return 1 if any(isinstance(value, str) for value in results.values()) else 0


def main(arguments):
    if len(arguments) >= 1 and arguments[0] == "select":
        with_long = len(arguments) >= 2 and arguments[1] == "--long"
        rest = arguments[2 if with_long else 1:]
        if len(rest) <= 1:
            try:
                select(rest[0] if rest else "", with_long)
            except re.error as error:
                print("The filter '%s' is no regular expression: %s" % (rest[0], error), file=sys.stderr)
                return 2
            return 0
    if len(arguments) >= 1 and arguments[0] == "table":
        return table(arguments[1:])
    print(__doc__.strip(), file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
