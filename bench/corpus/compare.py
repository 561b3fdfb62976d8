#!/usr/bin/env python3
"""Compares folidex-count's page counts with pdfinfo, qpdf and mutool on a corpus.

    compare.py FOLIDEX_COUNT CORPUS_FOLDER [--show N]

Runs `folidex-count -r --format tsv` once over the folder and each peer once per file
(in parallel), then prints how often Folidex agrees with the consensus of the three peers
where they all agree (a count, or all three failing), whether its total equals the sum of
its rows, and the files where it disagrees.
"""
import concurrent.futures
import os
import re
import subprocess
import sys

PEERS = {
    "pdfinfo": (["pdfinfo"], re.compile(rb"^Pages:\s+(\d+)", re.M)),
    "qpdf": (["qpdf", "--show-npages"], re.compile(rb"^(\d+)\s*$", re.M)),
    "mutool": (["mutool", "info"], re.compile(rb"^Pages:\s+(\d+)", re.M)),
}


def peer_count(peer, path):
    command, pattern = PEERS[peer]
    try:
        run = subprocess.run(command + [path], capture_output=True, timeout=60)
    except subprocess.TimeoutExpired:
        return None
    found = pattern.search(run.stdout)
    return int(found.group(1)) if found and run.returncode in (0, 3) else None


def tsv_cell(text):
    """A cell of folidex-count's tsv with its escapes (\\t, \\r, \\n, \\\\) undone."""
    return re.sub(r"\\(.)", lambda m: {"t": "\t", "r": "\r", "n": "\n"}.get(m.group(1), m.group(1)), text)


def folidex_counts(binary, folder):
    run = subprocess.run([binary, "-r", "--format", "tsv", folder], capture_output=True)
    # 3: some files show "Error"; 1: a folder could not be read.
    if run.returncode not in (0, 1, 3):
        sys.exit(f"folidex-count failed with status {run.returncode}: {run.stderr.decode(errors='replace')}")
    counts = {}
    lines = run.stdout.decode("utf-8", errors="surrogateescape").split("\n")
    for line in lines[1:]:
        if not line:
            continue
        cells = [tsv_cell(cell) for cell in line.split("\t")]
        path = os.path.join(cells[1], cells[0])
        counts[path] = None if cells[4] == "Error" else int(cells[4])
    total = int(re.search(r"Total Pages : (\d+)", run.stderr.decode()).group(1))
    return counts, total


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    binary, folder = sys.argv[1], sys.argv[2]
    show = int(sys.argv[4]) if len(sys.argv) > 4 and sys.argv[3] == "--show" else 20
    counts, total = folidex_counts(binary, folder)
    paths = sorted(counts)
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() * 2) as pool:
        peers = {peer: list(pool.map(lambda p, peer=peer: peer_count(peer, p), paths)) for peer in PEERS}

    agreed = matched = 0
    disagreements = []
    for index, path in enumerate(paths):
        answers = {peers[peer][index] for peer in PEERS}
        if len(answers) != 1:
            continue
        consensus = answers.pop()
        agreed += 1
        if counts[path] == consensus:
            matched += 1
        else:
            disagreements.append((path, counts[path], consensus))

    row_sum = sum(c for c in counts.values() if c is not None)
    print(f"files listed:                 {len(paths)}")
    print(f"files where the peers agree:  {agreed}")
    print(f"Folidex agrees on:            {matched} ({100.0 * matched / max(agreed, 1):.2f}%)")
    print(f"Folidex counts, peers cannot: {sum(1 for i, p in enumerate(paths) if counts[p] is not None and all(peers[q][i] is None for q in PEERS))}")
    print(f"total {total} equals the sum of the rows {row_sum}: {total == row_sum}")
    for path, ours, theirs in disagreements[:show]:
        print(f"  {path}: Folidex {ours}, peers {theirs}")
    sys.exit(0 if agreed and matched * 1000 >= agreed * 995 and total == row_sum else 1)


if __name__ == "__main__":
    main()
