#!/usr/bin/env python3
"""Puts plausible faults into the code one at a time and tells which no test catches.

    tests/mutation/run.py BUILD_FOLDER [--only NAME...] [--list] [--report FILE]

Each fault in faults.py replaces one exact text of one file. The script applies it,
rebuilds the test programs that its ctest pattern selects (incrementally, in
BUILD_FOLDER, which must be configured already, without FOLIDEX_WERROR: a fault often
leaves a name unused, and that warning must not stop the build), runs those tests, puts
the file back and goes on to the next. A fault whose text no longer matches exactly once "does not
apply"; one that makes the build fail "does not build". Neither counts in the score.
At the end the build is brought back to the code as it is. Not part of `make test`:
a whole run takes about half an hour on two cores.
"""

import argparse
import json
import os
import re
import subprocess
import sys
import time
from pathlib import Path

from faults import FAULTS

SOURCE = Path(__file__).resolve().parents[2]
TEST_TIMEOUT = 240  # seconds for one test; a fault that makes a test hang is caught by it


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, capture_output=True, text=True, errors="replace", timeout=timeout)


def targets_of(build, pattern):
    """The build targets whose programs the tests matching `pattern` run."""
    listed = run(["ctest", "--show-only=json-v1", "-R", pattern], build)
    targets = set()
    for test in json.loads(listed.stdout).get("tests", []):
        for word in test.get("command", []):
            path = Path(word)
            if path.is_absolute() and build in path.parents and path.is_file() and os.access(path, os.X_OK):
                targets.add(path.name)
    return sorted(targets)


def failed_tests(output):
    """The names of the tests that failed: CTest's, and the slots of Qt Test programs."""
    names = re.findall(r"^FAIL!  : [\w:]*::(\w+)\(", output, re.M)
    names += re.findall(r"^\s*\d+/\d+ Test\s+#\d+: (\S+) .*(?:Failed|Timeout|Exception)", output, re.M)
    return sorted(set(names))


def try_fault(build, fault):
    name, file, before, after, pattern = fault
    path = SOURCE / file
    original = path.read_text()
    if original.count(before) != 1:
        return {"result": "does not apply"}
    targets = targets_of(build, pattern)
    if not targets:
        return {"result": "does not apply", "why": f"no test matches {pattern!r}"}
    path.write_text(original.replace(before, after))
    try:
        built = run(["cmake", "--build", str(build), "--target", *targets], build)
        if built.returncode != 0:
            return {"result": "does not build", "log": built.stdout[-2000:]}
        tested = run(["ctest", "-R", pattern, "--output-on-failure", "--timeout", str(TEST_TIMEOUT)], build)
        if tested.returncode == 0:
            return {"result": "survived"}
        return {"result": "caught", "by": failed_tests(tested.stdout)}
    finally:
        path.write_text(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", type=Path, help="a configured build folder")
    parser.add_argument("--only", nargs="+", metavar="NAME", help="these faults only")
    parser.add_argument("--list", action="store_true", help="list the faults and end")
    parser.add_argument("--report", type=Path, help="also write the results as JSON")
    options = parser.parse_args()
    build = options.build.resolve()
    if "FOLIDEX_WERROR:BOOL=ON" in (build / "CMakeCache.txt").read_text(errors="replace"):
        sys.exit(f"{build} makes warnings errors: configure it with -DFOLIDEX_WERROR=OFF first")
    faults = [fault for fault in FAULTS if not options.only or fault[0] in options.only]
    if options.list:
        for name, file, _, _, pattern in faults:
            print(f"{name:40} {file:45} {pattern}")
        return 0

    results = {}
    for number, fault in enumerate(faults, 1):
        started = time.monotonic()
        outcome = try_fault(build, fault)
        results[fault[0]] = outcome
        caught_by = ", ".join(outcome.get("by", []))
        print(f"[{number}/{len(faults)}] {fault[0]}: {outcome['result']} {caught_by} "
              f"({time.monotonic() - started:.0f} s)", flush=True)
    touched = sorted({target for fault in faults for target in targets_of(build, fault[4])})
    run(["cmake", "--build", str(build), "--target", *touched], build)

    scored = [name for name, outcome in results.items() if outcome["result"] in ("caught", "survived")]
    caught = [name for name in scored if results[name]["result"] == "caught"]
    print(f"\n{len(caught)} of {len(scored)} faults caught ({100 * len(caught) / max(1, len(scored)):.0f}%)")
    for result in ("survived", "does not apply", "does not build"):
        names = [name for name, outcome in results.items() if outcome["result"] == result]
        if names:
            print(f"{result}: {' '.join(names)}")
    if options.report:
        options.report.write_text(json.dumps(results, indent=1) + "\n")
    return 0 if len(caught) == len(scored) else 1


if __name__ == "__main__":
    sys.exit(main())
