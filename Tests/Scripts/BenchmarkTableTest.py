"""The benchmark table script: which cases a filter runs, and how cases meet their floors in the table."""

import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Scripts", "benchmark-table.py")

NAMES = """BM_Tab_OpenClose
BM_Tab_OpenClose_Floor
BM_TabEvent_OnTabClosed/1000
BM_TabEvent_OnTabClosed_Floor/1000
BM_LevelSequenceRepair/keys:10000/held_percent:50
BM_LevelSequenceRepair_Floor/keys:10000/held_percent:50
BM_LevelSequenceRepair_Long/keys:216000/held_percent:50/iterations:1
BM_LevelSequenceRepair_Long_Floor/keys:216000/held_percent:50/iterations:1
BM_LevelSequenceRepair_SaveOnly_Long/keys:216000/held_percent:50/iterations:1
"""


def run(*arguments, stdin=""):
    return subprocess.run([sys.executable, SCRIPT] + list(arguments), input=stdin, capture_output=True, text=True)


def selected(*arguments):
    """The benchmark names the filter printed by 'select' matches, and what it said on standard error."""
    result = run("select", *arguments, stdin=NAMES)
    assert result.returncode == 0, result.stderr
    if not result.stdout.strip():
        return [], result.stderr
    expression = re.compile(result.stdout.strip())
    return [name for name in NAMES.split() if expression.fullmatch(name)], result.stderr


class SelectTest(unittest.TestCase):
    def test_a_case_brings_its_floor_and_nothing_else(self):
        names, _ = selected("OpenClose")
        self.assertEqual(names, ["BM_Tab_OpenClose", "BM_Tab_OpenClose_Floor"])
        names, _ = selected("TabEvent")
        self.assertEqual(names, ["BM_TabEvent_OnTabClosed/1000", "BM_TabEvent_OnTabClosed_Floor/1000"])

    def test_long_cases_run_only_when_asked_for(self):
        names, said = selected()
        self.assertNotIn("_Long", " ".join(names))
        self.assertEqual(len(names), 6)
        self.assertIn("--long runs them", said)
        self.assertIn("BM_LevelSequenceRepair_SaveOnly_Long/keys:216000/held_percent:50", said)

        names, said = selected("--long", "LevelSequenceRepair")
        self.assertEqual(len(names), 5)
        self.assertIn("BM_LevelSequenceRepair_Long_Floor/keys:216000/held_percent:50/iterations:1", names)
        self.assertEqual(said, "")

    def test_a_filter_that_matches_only_long_cases_selects_nothing_without_long(self):
        names, said = selected("216000")
        self.assertEqual(names, [])
        self.assertIn("Left out", said)
        names, _ = selected("--long", "216000")
        self.assertEqual(len(names), 3)

    def test_a_filter_that_is_no_regular_expression_is_named(self):
        result = run("select", "Tab(", stdin=NAMES)
        self.assertEqual(result.returncode, 2)
        self.assertIn("The filter 'Tab(' is no regular expression", result.stderr)
        self.assertNotIn("Traceback", result.stderr)


def result_file(directory, runs):
    path = os.path.join(directory, "results.json")
    with open(path, "w", encoding="utf-8") as stream:
        json.dump({"context": {"host_name": "test", "num_cpus": 2, "mhz_per_cpu": 2100, "load_avg": [1.0]},
                   "benchmarks": runs}, stream)
    return path


def iteration(name, cpu_time, unit="us", family=0):
    return {"name": name, "run_name": name, "run_type": "iteration", "family_index": family,
            "per_family_instance_index": 0, "cpu_time": cpu_time, "real_time": cpu_time, "time_unit": unit}


class TableTest(unittest.TestCase):
    def table(self, runs):
        with tempfile.TemporaryDirectory() as directory:
            result = run("table", result_file(directory, runs))
        rows = {line.split("|")[1].strip(): [cell.strip() for cell in line.split("|")[2:-1]]
                for line in result.stdout.splitlines() if line.startswith("| BM_")}
        return result.returncode, rows

    def test_a_case_meets_its_floor_across_units_and_run_modifiers(self):
        status, rows = self.table([
            iteration("BM_LevelSequenceRepair_Long/keys:216000/iterations:1", 3.0, "s", 0),
            iteration("BM_LevelSequenceRepair_Long_Floor/keys:216000/iterations:1", 1500.0, "ms", 1),
            iteration("BM_Tab_OpenClose", 6.0, "us", 2),
            iteration("BM_Tab_OpenClose_Floor", 8000.0, "ns", 3),
        ])
        self.assertEqual(status, 0)
        self.assertEqual(rows["BM_LevelSequenceRepair_Long/keys:216000"], ["3 s", "1.5 s", "2.00x", "1.5 s"])
        self.assertEqual(rows["BM_Tab_OpenClose"], ["6 us", "8 us", "0.75x", "-2 us"])

    def test_a_time_rounded_up_to_the_next_unit_is_shown_in_it(self):
        status, rows = self.table([iteration("BM_VP_ZoomFocusPercentString/1000", 999.7, "ns"),
                                   iteration("BM_VP_ZoomFocusPercentString_Floor/1000", 29.7, "us", 1),
                                   iteration("BM_String_SLessThan", 19.8, "ns", 2)])
        self.assertEqual(status, 0)
        self.assertEqual(rows["BM_VP_ZoomFocusPercentString/1000"], ["1 us", "29.7 us", "0.03x", "-28.7 us"])
        self.assertEqual(rows["BM_String_SLessThan"][0], "19.8 ns")

    def test_repetitions_are_shown_by_their_median(self):
        median = dict(iteration("BM_Tab_OpenClose", 5.0), run_type="aggregate", aggregate_name="median")
        mean = dict(iteration("BM_Tab_OpenClose", 50.0), run_type="aggregate", aggregate_name="mean")
        status, rows = self.table([iteration("BM_Tab_OpenClose", 1.0), iteration("BM_Tab_OpenClose", 9.0), median, mean])
        self.assertEqual(status, 0)
        self.assertEqual(rows["BM_Tab_OpenClose"], ["5 us", "-", "-", "-"])

    def test_a_failed_case_and_a_lone_floor_are_shown_and_fail_the_table(self):
        failed = dict(iteration("BM_Menu_ClickEntry", 0.0), error_occurred=True, error_message="No editor")
        status, rows = self.table([failed, iteration("BM_Menu_OpenDropDown_Floor", 3.0, family=1)])
        self.assertEqual(status, 1)
        self.assertEqual(rows["BM_Menu_ClickEntry"][0], "error: No editor")
        self.assertEqual(rows["BM_Menu_OpenDropDown_Floor"], ["3 us", "-", "-", "-"])


if __name__ == "__main__":
    unittest.main()
