#!/usr/bin/env python3
"""Builds the real-document benchmark tree.

    make_real_tree.py TREE [FILES]    (FILES defaults to 20000)

Takes the documentation PDFs that the Debian packages in DOC_PACKAGES install (the .pdf
files they list, and their .pdf.gz files unpacked), and makes one more copy of each with
qpdf, in turn linearized or encrypted with an empty user password by each revision of the
standard security handler (R2 RC4 40-bit, R3 RC4 128-bit, R4 AES-128, R5 and R6 AES-256).
Of these templates it keeps the files that pdfinfo, qpdf and mutool all count alike, into
TREE.templates, and fills TREE with FILES hard links to them, in turn, in 20 x 10 folders
(the same layout as the generated tree), so that the tree takes the templates' space only.
Prints the number of files and the pages they hold, and writes TREE.pages (the expected
total) and TREE.excluded (the templates the peers disagree on).
"""
import gzip
import os
import shutil
import subprocess
import sys

DOC_PACKAGES = [
    "texlive-latex-recommended-doc",
    "texlive-humanities-doc",
    "texlive-science-doc",
    "docbook-xsl-doc-pdf",
]

# Every copy after the original is made with one of these, in turn.
REWRITES = [
    ("linear", ["--linearize"]),
    ("r2", ["--allow-weak-crypto", "--encrypt", "", "owner", "40", "--"]),
    ("r3", ["--allow-weak-crypto", "--encrypt", "", "owner", "128", "--"]),
    ("r4", ["--encrypt", "", "owner", "128", "--use-aes=y", "--"]),
    ("r5", ["--encrypt", "", "owner", "256", "--force-R5", "--"]),
    ("r6", ["--encrypt", "", "owner", "256", "--"]),
]


def package_documents():
    missing = []
    for package in DOC_PACKAGES:
        listing = subprocess.run(["dpkg", "-L", package], capture_output=True, text=True)
        if listing.returncode != 0:
            missing.append(package)
            continue
        for path in listing.stdout.splitlines():
            if path.endswith((".pdf", ".pdf.gz")) and os.path.isfile(path):
                yield path
    if missing:
        sys.exit("missing packages (make bench-deps installs them): " + " ".join(missing))


def run(command):
    return subprocess.run(command, capture_output=True, text=True, timeout=600)


def peer_counts(path):
    """The pages pdfinfo, qpdf and mutool give, None where one fails."""
    counts = []
    info = run(["pdfinfo", path])
    pages = [line.split()[-1] for line in info.stdout.splitlines() if line.startswith("Pages:")]
    counts.append(int(pages[0]) if info.returncode == 0 and pages else None)
    qpdf = run(["qpdf", "--show-npages", path])
    counts.append(int(qpdf.stdout.strip()) if qpdf.returncode in (0, 3) and qpdf.stdout.strip().isdigit() else None)
    mutool = run(["mutool", "info", path])
    pages = [line.split()[-1] for line in mutool.stdout.splitlines() if line.startswith("Pages:")]
    counts.append(int(pages[0]) if pages and pages[0].isdigit() else None)
    return counts


def make_templates(folder):
    os.makedirs(folder, exist_ok=True)
    templates = []
    for index, source in enumerate(sorted(set(package_documents()))):
        stem = os.path.join(folder, "doc%04d" % index)
        original = stem + ".pdf"
        if source.endswith(".gz"):
            with gzip.open(source, "rb") as packed, open(original, "wb") as out:
                shutil.copyfileobj(packed, out)
        else:
            shutil.copyfile(source, original)
        templates.append(original)
        name, options = REWRITES[index % len(REWRITES)]
        copy = "%s-%s.pdf" % (stem, name)
        if run(["qpdf"] + options + [original, copy]).returncode in (0, 3):
            templates.append(copy)
    return templates


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    tree = sys.argv[1]
    files = int(sys.argv[2]) if len(sys.argv) == 3 else 20000
    kept, pages, excluded = [], {}, []
    for template in make_templates(tree + ".templates"):
        counts = peer_counts(template)
        if counts[0] is not None and counts.count(counts[0]) == 3:
            kept.append(template)
            pages[template] = counts[0]
        else:
            excluded.append("%s %s" % (template, counts))
    if not kept:
        sys.exit("no template that the peers count alike")
    total = 0
    for i in range(files):
        template = kept[i % len(kept)]
        path = os.path.join(tree, "d%02d" % (i % 20), "s%02d" % ((i // 20) % 10), "file%05d.pdf" % i)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        os.link(template, path)
        total += pages[template]
    with open(tree + ".pages", "w") as out:
        out.write("%d\n" % total)
    with open(tree + ".excluded", "w") as out:
        out.write("".join(line + "\n" for line in excluded))
    print("%d files from %d templates (%d left out), %d pages" % (files, len(kept), len(excluded), total))


if __name__ == "__main__":
    main()
