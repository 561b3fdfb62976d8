#!/usr/bin/env python3
"""Compares folidex-count's pages by paper size with pdfinfo's page boxes on a corpus.

    compare_sizes.py FOLIDEX_COUNT CORPUS_FOLDER [--show N]

Runs `folidex-count -r --format json --page-sizes` once over the folder and
`pdfinfo -f 1 -l 100000 -box` on every file, names each page pdfinfo gives (its crop box,
turned by its rotation) as Folidex names paper sizes, and prints how many files get the
same sizes from both, how many differ, and how many get sizes from pdfinfo but none from
Folidex. Only counted files for which pdfinfo gives as many pages as Folidex counts are
compared (on a damaged file pdfinfo may stop listing pages early). pdfinfo ignores
/UserUnit, so a file that scales its pages differs on purpose. Exits non-zero when a file
differs.
"""
import argparse
import concurrent.futures
import json
import re
import subprocess
import sys

# Named sizes, short and long side in millimetres, each within 2 mm in either orientation.
NAMED_SIZES = [
    ("A0", 841, 1189), ("A1", 594, 841), ("A2", 420, 594), ("A3", 297, 420), ("A4", 210, 297),
    ("A5", 148, 210), ("A6", 105, 148), ("B4", 250, 353), ("B5", 176, 250), ("Letter", 215.9, 279.4),
    ("Legal", 215.9, 355.6), ("Tabloid/Ledger", 279.4, 431.8), ("Executive", 184.15, 266.7),
]
MM_PER_POINT = 25.4 / 72


def size_name(width, height):
    width_mm, height_mm = abs(width) * MM_PER_POINT, abs(height) * MM_PER_POINT
    short, long = sorted((width_mm, height_mm))
    for name, named_short, named_long in NAMED_SIZES:
        if abs(short - named_short) <= 2 + 1e-9 and abs(long - named_long) <= 2 + 1e-9:
            return name
    return f"{int(width_mm + 0.5)}\u00d7{int(height_mm + 0.5)} mm"


def pdfinfo_sizes(path):
    """The pages of `path` by paper size as pdfinfo's boxes give them; None without any."""
    run = subprocess.run(["pdfinfo", "-f", "1", "-l", "100000", "-box", path], capture_output=True, timeout=120)
    text = run.stdout.decode("latin-1")
    rotation = {int(page): int(degrees) for page, degrees in re.findall(r"^Page\s+(\d+)\s+rot:\s+(-?\d+)", text, re.M)}
    sizes = {}
    for page, left, bottom, right, top in re.findall(r"^Page\s+(\d+)\s+CropBox:\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)",
                                                     text, re.M):
        width, height = float(right) - float(left), float(top) - float(bottom)
        if rotation.get(int(page), 0) % 180:
            width, height = height, width
        name = size_name(width, height)
        sizes[name] = sizes.get(name, 0) + 1
    return sizes or None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folidex_count")
    parser.add_argument("folder")
    parser.add_argument("--show", type=int, default=10, help="list up to N files of each kind")
    options = parser.parse_args()
    run = subprocess.run([options.folidex_count, "-r", "--format", "json", "--page-sizes", options.folder],
                         capture_output=True)
    files = [file for file in json.loads(run.stdout)["files"] if file["pages"] is not None]
    with concurrent.futures.ThreadPoolExecutor() as pool:
        theirs = list(pool.map(lambda file: pdfinfo_sizes(file["path"]), files))
    same, differ, missing = [], [], []
    for file, sizes in zip(files, theirs):
        if sizes is None or sum(sizes.values()) != file["pages"]:
            continue
        ours = file["page_sizes"]
        (same if ours == sizes else missing if ours is None else differ).append((file["path"], ours, sizes))
    print(f"counted files:                           {len(files)}")
    print(f"with the size of each page from pdfinfo: {len(same) + len(differ) + len(missing)}")
    print(f"the same sizes from Folidex:             {len(same)}")
    for caption, rows in (("other sizes from Folidex", differ), ("no sizes from Folidex", missing)):
        print(f"{caption + ':':40} {len(rows)}")
        for path, ours, sizes in rows[:options.show]:
            print(f"  {path}: Folidex {ours}; pdfinfo {sizes}")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
