#!/usr/bin/env python3
"""Compares folidex-count's page counts with pdfinfo, qpdf and mutool on a corpus.

    compare.py FOLIDEX_COUNT CORPUS_FOLDER [--show N] [--peers-cache FILE]

Runs `folidex-count -r --format tsv` once over the folder and each peer once per file
(in parallel), then prints:
- how often Folidex agrees with the three peers where they all agree (a count, or all
  three failing);
- how often it agrees where at least two peers give the same count, and the files where
  it does not: "Error" there, or another number;
- the files that pdfinfo or mutool count and Folidex marks "Error";
- the files where Folidex gives a number that no peer gives, apart from files that need
  a password (which Folidex counts without it, and the peers cannot), and how many of
  those are damaged copies that count what their intact original counts;
- whether its total equals the sum of its rows;
- for each kind of damage (the real files apart), how many files each peer and Folidex count.
It exits non-zero when Folidex differs from a count two peers share, gives a number no
peer gives (password-protected files apart), or its total is not the sum of its rows.
With --peers-cache, the peers' answers are kept in FILE (JSON, keyed by path, size and
modification time) and reused on the next run.
"""
import concurrent.futures
import json
import os
import re
import subprocess
import sys

PEERS = {
    "pdfinfo": (["pdfinfo"], re.compile(rb"^Pages:\s+(\d+)", re.M)),
    "qpdf": (["qpdf", "--show-npages"], re.compile(rb"^(\d+)\s*$", re.M)),
    "mutool": (["mutool", "info"], re.compile(rb"^Pages:\s+(\d+)", re.M)),
}
# Peers that rebuild a damaged file by scanning it, as Folidex's recovery does.
SCANNING_PEERS = ("pdfinfo", "mutool")


def peer_count(peer, path):
    command, pattern = PEERS[peer]
    try:
        run = subprocess.run(command + [path], capture_output=True, timeout=60)
    except subprocess.TimeoutExpired:
        return None
    found = pattern.search(run.stdout)
    return int(found.group(1)) if found and run.returncode in (0, 3) else None


def needs_password(path):
    # qpdf --requires-password exits 0 when the file needs a password to open.
    return subprocess.run(["qpdf", "--requires-password", path], capture_output=True).returncode == 0


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


def file_key(path):
    info = os.stat(path)
    return f"{path}\t{info.st_size}\t{info.st_mtime_ns}"


def peer_counts(paths, cache_path):
    cache = {}
    if cache_path and os.path.exists(cache_path):
        with open(cache_path) as stream:
            cache = json.load(stream)
    keys = {path: file_key(path) for path in paths}
    missing = [path for path in paths if keys[path] not in cache]
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() * 2) as pool:
        answers = {peer: list(pool.map(lambda p, peer=peer: peer_count(peer, p), missing)) for peer in PEERS}
    for index, path in enumerate(missing):
        cache[keys[path]] = {peer: answers[peer][index] for peer in PEERS}
    if cache_path:
        with open(cache_path, "w") as stream:
            json.dump(cache, stream)
    return {path: cache[keys[path]] for path in paths}


def shared_count(answers):
    """The count that at least two peers give, if any."""
    counts = [count for count in answers.values() if count is not None]
    for count in set(counts):
        if counts.count(count) >= 2:
            return count
    return None


def original_of(path):
    """The intact file a damaged copy of make_corpus.py was made from (OUT/damaged/NAME.KIND.pdf
    from OUT/real/NAME.pdf), if it is there."""
    folder, name = os.path.split(path)
    original = os.path.join(os.path.dirname(folder), "real", name.rsplit(".", 2)[0] + ".pdf")
    return original if os.path.basename(folder) == "damaged" and os.path.exists(original) else None


def damage_kind(path):
    """"real", or the kind of damage of a copy that make_corpus.py made (NAME.KIND.pdf)."""
    folder, name = os.path.split(path)
    return name.rsplit(".", 2)[1] if os.path.basename(folder) == "damaged" and name.count(".") >= 2 else "real"


def show_kinds(paths, counts, peers):
    """How many files of each kind each peer and Folidex count, and how many that two peers
    count alike Folidex counts alike."""
    rows = {}
    for path in paths:
        row = rows.setdefault(damage_kind(path), [0] * 7)
        answers = peers[path]
        row[0] += 1
        for column, peer in enumerate(PEERS, 1):
            row[column] += answers[peer] is not None
        row[4] += counts[path] is not None
        shared = shared_count(answers)
        row[5] += shared is not None
        row[6] += shared is not None and counts[path] == shared
    print(f"{'kind':12}{'files':>7}{'pdfinfo':>9}{'qpdf':>7}{'mutool':>8}{'Folidex':>9}{'two alike':>11}{'Folidex too':>13}")
    for kind, row in sorted(rows.items()):
        print(f"{kind:12}" + "".join(f"{value:>{width}}" for value, width in zip(row, (7, 9, 7, 8, 9, 11, 13))))


def show_list(title, rows, show):
    print(f"{title}: {len(rows)}")
    for path, ours, theirs in rows[:show]:
        peers = ", ".join(f"{peer} {'-' if count is None else count}" for peer, count in theirs.items())
        print(f"  {path}: Folidex {'Error' if ours is None else ours}; {peers}")


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        sys.exit(__doc__)
    binary, folder = args[0], args[1]
    options = dict(zip(args[2::2], args[3::2]))
    show = int(options.get("--show", 20))
    counts, total = folidex_counts(binary, folder)
    paths = sorted(counts)
    peers = peer_counts(paths, options.get("--peers-cache"))

    all_agree = all_matched = 0
    two_agree = two_matched = 0
    differs, error_where_scanner_counts, no_peer_gives = [], [], []
    for path in paths:
        ours, answers = counts[path], peers[path]
        values = set(answers.values())
        if len(values) == 1:
            all_agree += 1
            all_matched += ours == next(iter(values))
        shared = shared_count(answers)
        if shared is not None:
            two_agree += 1
            if ours == shared:
                two_matched += 1
            else:
                differs.append((path, ours, answers))
        if ours is None and any(answers[peer] is not None for peer in SCANNING_PEERS):
            error_where_scanner_counts.append((path, ours, answers))
        if ours is not None and ours not in values and not needs_password(path):
            no_peer_gives.append((path, ours, answers))

    row_sum = sum(c for c in counts.values() if c is not None)
    print(f"files listed:                          {len(paths)}")
    print(f"files where the three peers agree:     {all_agree}")
    print(f"Folidex agrees on:                     {all_matched} ({100.0 * all_matched / max(all_agree, 1):.2f}%)")
    print(f"files two peers count alike:           {two_agree}")
    print(f"Folidex counts them alike:             {two_matched} ({100.0 * two_matched / max(two_agree, 1):.2f}%)")
    print(f"Folidex counts, no peer can:           {sum(1 for p in paths if counts[p] is not None and all(c is None for c in peers[p].values()))}")
    print(f"total {total} equals the sum of the rows {row_sum}: {total == row_sum}")
    show_kinds(paths, counts, peers)
    show_list("Folidex differs from a count two peers share", differs, show)
    show_list("pdfinfo or mutool count, Folidex \"Error\"", error_where_scanner_counts, show)
    show_list("Folidex gives a number no peer gives (password-protected files apart)", no_peer_gives, show)
    intact = sum(1 for path, ours, _ in no_peer_gives if original_of(path) and counts.get(original_of(path)) == ours)
    print(f"  of which the count of the intact original: {intact}")
    sys.exit(0 if not differs and not no_peer_gives and total == row_sum else 1)


if __name__ == "__main__":
    main()
