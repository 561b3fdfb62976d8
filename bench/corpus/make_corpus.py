#!/usr/bin/env python3
"""Builds a corpus of real-world PDF files and damaged copies of them.

    make_corpus.py OUT [SOURCE...]    (sources default: /usr/share/doc)

Copies every PDF found below the sources into OUT/real, and writes damaged variants of
every second one into OUT/damaged: cut at several points, the tail lost, bytes flipped in
the cross-reference area or at random, the header wiped, the last cross-reference section
and its trailer cut off, the trailer cut before its /Root (the catalog then unreachable
from it), every offset shifted by bytes put in after the header or in the middle, and an
object stream's data damaged. The damage is seeded, so the same sources give the same corpus.
"""
import os
import random
import re
import shutil
import sys


def find_pdfs(sources):
    for source in sources:
        for folder, _, names in os.walk(source):
            for name in sorted(names):
                if name.lower().endswith(".pdf"):
                    path = os.path.join(folder, name)
                    if os.path.isfile(path) and os.path.getsize(path) > 0:
                        yield path


def flip(data, start, end, count, rng):
    data = bytearray(data)
    for _ in range(count):
        if end > start:
            data[rng.randrange(start, end)] ^= 1 << rng.randrange(8)
    return bytes(data)


def last_section(data):
    """Where the last cross-reference section in the file starts: a table, or the object of a
    cross-reference stream (in a linearized file "startxref" names the first one instead)."""
    table = data.rfind(b"\nxref") + 1
    streams = [m.start() for m in re.finditer(rb"/Type\s*/XRef\b", data)]
    stream = data.rfind(b"\n", 0, data.rfind(b" obj", 0, streams[-1])) + 1 if streams else 0
    return max(table, stream)


def insert_after_object(data, at):
    """Puts a comment line in after the first "endobj" from `at`: every later offset moves."""
    end = data.find(b"endobj", at)
    if end < 0:
        return None
    end += len(b"endobj")
    return data[:end] + b"\n% shifted\n" + data[end:]


def damage_object_stream(data, rng):
    """Flips bytes in the compressed data of one of the file's object streams."""
    streams = [m.end() for m in re.finditer(rb"/Type\s*/ObjStm\b", data)]
    if not streams:
        return None
    start = data.find(b"stream", rng.choice(streams))
    if start < 0:
        return None
    start += len(b"stream") + 2
    return flip(data, start + 2, min(len(data), start + 64), 4, rng)


def damaged_variants(data, rng):
    size = len(data)
    xref = data.rfind(b"xref")
    xref = xref if xref >= 0 else max(0, size - 2048)
    yield "cut10", data[: size // 10]
    yield "cut50", data[: size // 2]
    yield "cut95", data[: size * 95 // 100]
    yield "notail", data[: max(0, size - 40)]
    yield "xrefflip", flip(data, xref, size, 8, rng)
    yield "randflip", flip(data, 0, size, 32, rng)
    yield "noheader", b"\0" * min(1024, size) + data[1024:]
    section = last_section(data)
    if section > 0:
        yield "trailercut", data[:section]
        root = data.find(b"/Root", section)
        if root > 0:
            yield "rootcut", data[:root]
    header_end = data.find(b"\n") + 1
    yield "shifted", data[:header_end] + b"% shifted\n" + data[header_end:]
    for kind, variant in (("shiftmid", insert_after_object(data, size // 2)), ("objstm", damage_object_stream(data, rng))):
        if variant is not None:
            yield kind, variant


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    sources = sys.argv[2:] or ["/usr/share/doc"]
    rng = random.Random(20261206)
    real_dir, damaged_dir = os.path.join(out, "real"), os.path.join(out, "damaged")
    os.makedirs(real_dir, exist_ok=True)
    os.makedirs(damaged_dir, exist_ok=True)
    seen = set()
    for index, path in enumerate(find_pdfs(sources)):
        base = os.path.basename(path)[:-4]
        name = base if base not in seen else f"{base}-{index}"
        seen.add(name)
        shutil.copyfile(path, os.path.join(real_dir, name + ".pdf"))
        if index % 2 == 0:
            with open(path, "rb") as source:
                data = source.read()
            for kind, variant in damaged_variants(data, rng):
                with open(os.path.join(damaged_dir, f"{name}.{kind}.pdf"), "wb") as target:
                    target.write(variant)
    print(f"{len(seen)} real files in {real_dir}, damaged copies in {damaged_dir}")


if __name__ == "__main__":
    main()
