#!/usr/bin/env python3
"""Counts the real-world files of tests/data/real with folidex-count and checks each count
against expected.tsv, the count pdfinfo, qpdf and mutool agree on ("Error" where all three
fail, and then a reason must say why). A damaged copy that is counted must also count what
its original counts.

    real_files_test.py FOLIDEX_COUNT DATA_FOLDER
"""
import json
import os
import subprocess
import sys


def main():
    binary, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    with open(os.path.join(folder, "expected.tsv")) as stream:
        rows = [line.rstrip("\n").split("\t") for line in stream][1:]
    expected = {row[0]: row[1] for row in rows}
    run = subprocess.run([binary, "--format", "jsonl", "original", "damaged"], cwd=folder, capture_output=True)
    if run.returncode not in (0, 3):
        sys.exit(f"folidex-count failed with status {run.returncode}: {run.stderr.decode(errors='replace')}")
    records = [json.loads(line) for line in run.stdout.decode().splitlines()]
    counted = {record["path"]: record for record in records if record["type"] == "file"}

    problems = []
    for path in sorted(set(expected) | set(counted)):
        record = counted.get(path)
        if path not in expected or record is None:
            problems.append(f"{path}: {'not listed' if record is None else 'not in expected.tsv'}")
            continue
        shown = "Error" if record["error"] else str(record["pages"])
        if shown != expected[path]:
            problems.append(f"{path}: Folidex {shown} ({record.get('reason')}), expected {expected[path]}")
        elif record["error"] and not record.get("reason"):
            problems.append(f"{path}: Error without a reason")
        original = "original/" + os.path.basename(path).split(".")[0] + ".pdf"
        if path.startswith("damaged/") and not record["error"] and expected.get(original) != shown:
            problems.append(f"{path}: Folidex {shown}, its original {expected.get(original)}")
    for problem in problems:
        print(problem)
    print(f"{len(expected)} files, {len(problems)} problems")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
