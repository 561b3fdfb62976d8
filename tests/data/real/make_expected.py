#!/usr/bin/env python3
"""Writes expected.tsv: what pdfinfo, qpdf and mutool count in each file of this folder.

    make_expected.py [FOLDER]    (default: the folder of this script)

Each line holds a file (relative to FOLDER), the count Folidex must give, and each peer's
answer ("-" where it fails). The expected count is the one that all three peers give, or
for a damaged copy the one that at least two give; "Error" where all three fail. A file
whose peers agree on neither is left out. Needs poppler-utils, qpdf and mutool-tools
(`make bench-deps`).
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../bench/corpus"))
from compare import PEERS, peer_count, shared_count  # noqa: E402


def expected(answers, damaged):
    counts = set(answers.values())
    if len(counts) == 1:
        count = counts.pop()
        return "Error" if count is None else str(count)
    shared = shared_count(answers) if damaged else None
    return None if shared is None else str(shared)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    lines = ["file\texpected\t" + "\t".join(PEERS)]
    for kind in ("original", "damaged"):
        for name in sorted(os.listdir(os.path.join(folder, kind))):
            path = os.path.join(folder, kind, name)
            answers = {peer: peer_count(peer, path) for peer in PEERS}
            count = expected(answers, kind == "damaged")
            if count is None:
                print(f"left out, the peers do not agree: {kind}/{name} {answers}", file=sys.stderr)
                continue
            shown = ["-" if answer is None else str(answer) for answer in answers.values()]
            lines.append("\t".join([f"{kind}/{name}", count] + shown))
    with open(os.path.join(folder, "expected.tsv"), "w") as stream:
        stream.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
