#!/usr/bin/env python3
"""Records everything Folidex writes for users, so that two builds can be compared byte for byte.

Generates a folder tree of PDF files with varied sizes (0 B to 10,000 KB), time stamps (12
o'clock AM and PM, seconds within one minute, far past and 2038), names (comma, quote, tab,
newline, backslash, non-ASCII, hidden) and damaged files; runs folidex-count over it in every
output format, with and without --export to every kind of target and with the search options;
and round-trips settings files through the settings reader and writer. Each output lands in
OUTDIR as a file of its own.

    tools/compat/check_outputs.py --build build /tmp/outputs-after
    git stash; cmake --build build; tools/compat/check_outputs.py --build build /tmp/outputs-before; git stash pop
    diff -r /tmp/outputs-before /tmp/outputs-after      # no output: nothing a user sees changed

Or let the script build a second checkout itself and compare:

    tools/compat/check_outputs.py --build build --compare-build /path/to/main/build /tmp/outputs
"""

import argparse
import calendar
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile

KB = 1024


def pdf(pages, size=None):
    """A PDF of `pages` empty pages, padded with a comment to exactly `size` bytes when given."""
    def build(padding):
        objects = ["<< /Type /Catalog /Pages 2 0 R >>",
                   "<< /Type /Pages /Kids [%s] /Count %d >>" % (" ".join("%d 0 R" % (3 + i) for i in range(pages)), pages)]
        objects += ["<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>"] * pages
        out = b"%PDF-1.4\n"
        offsets = []
        for number, body in enumerate(objects, 1):
            offsets.append(len(out))
            out += b"%d 0 obj\n%s\nendobj\n" % (number, body.encode())
        if padding > 0:
            out += b"%" + b"x" * (padding - 2) + b"\n"
        xref = len(out)
        out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
        out += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
        out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
        return out

    data = build(0)
    if size is None:
        return data
    padding = size - len(data)
    if padding < 2:
        raise ValueError("a %d-page PDF does not fit in %d bytes" % (pages, size))
    for _ in range(3):  # the padding moves the xref, whose offset may gain a digit
        data = build(padding)
        padding += size - len(data)
    assert len(data) == size, (len(data), size)
    return data


def stamp(year, month, day, hour=0, minute=0, second=0):
    return calendar.timegm((year, month, day, hour, minute, second))


# (relative path, bytes, modification time); TZ=UTC makes the shown times these.
def tree_files():
    july = lambda h, m, s=0: stamp(2005, 7, 26, h, m, s)
    return [
        ("docs/nine.pdf", pdf(2, 9 * KB), july(0, 5)),                    # 12:05 AM
        ("docs/ten.pdf", pdf(3, 10 * KB), july(12, 30)),                  # 12:30 PM
        ("docs/mega.pdf", pdf(1, 1024 * KB), july(11, 59, 59)),           # 11:59 AM
        ("docs/nine-thousand.pdf", pdf(12, 9000 * KB), july(13, 0)),      # 01:00 PM
        ("docs/ten-thousand.pdf", pdf(100, 10000 * KB), july(23, 59)),
        ("docs/same-minute-a.pdf", pdf(4, 2 * KB), july(12, 0, 59)),
        ("docs/same-minute-b.pdf", pdf(5, 2 * KB), july(12, 0, 1)),
        ("docs/midnight-next.pdf", pdf(1, 1025), stamp(2005, 7, 27)),
        ("docs/one-byte.pdf", b"%", stamp(1999, 12, 31, 23, 59, 59)),
        ("docs/empty.pdf", b"", stamp(2024, 2, 29, 12)),
        ("docs/one-and-a-half-million.PDF", pdf(7, 1500000), stamp(2038, 1, 19, 3, 14, 8)),
        ("docs/zero pages.pdf", pdf(0), stamp(1930, 5, 1, 9, 15)),
        ("docs/comma, in name.pdf", pdf(2), july(9, 0)),
        ('docs/quote "in" name.pdf', pdf(3), july(9, 1)),
        ("docs/tab\tin name.pdf", pdf(4), july(9, 2)),
        ("docs/newline\nin name.pdf", pdf(5), july(9, 3)),
        ("docs/back\\slash.pdf", pdf(6), july(9, 4)),
        ("docs/semi;colon|bar.pdf", pdf(7), july(9, 5)),
        ("docs/Ünïcödé – 書類.pdf", pdf(8), july(9, 6)),
        ("docs/.hidden.pdf", pdf(9), july(9, 7)),
        ("docs/notes.txt", b"not a pdf", july(9, 8)),
        ("docs/a.pdf.bak", pdf(1), july(9, 9)),
        ("docs/damaged/truncated.pdf", pdf(5)[:200], july(10, 0)),
        ("docs/damaged/random.pdf", bytes((i * 37 + 11) % 256 for i in range(3000)), july(10, 1)),
        ("docs/damaged/header-only.pdf", b"%PDF-1.4\n", july(10, 2)),
        ("docs/damaged/no-xref.pdf", pdf(3).split(b"xref")[0], july(10, 3)),
        ("docs/sub, folder/inner.pdf", pdf(11), stamp(2010, 1, 1, 0, 0)),
        ("docs/sub, folder/deeper/deep.pdf", pdf(13), stamp(2010, 1, 1, 12, 0)),
        ("docs/.hidden folder/visible.pdf", pdf(14), stamp(2011, 6, 15, 18, 45)),
        ("other/loose.pdf", pdf(15), stamp(2012, 3, 4, 5, 6)),
    ]


def make_tree(root):
    for relative, data, mtime in tree_files():
        path = os.path.join(root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
        os.utime(path, (stamp(2020, 1, 1), mtime))
    os.symlink("..", os.path.join(root, "docs", "sub, folder", "loop"))


CLI_CASES = [
    # (name, arguments); paths are relative to the folder that holds the tree.
    ("default", ["tree/docs"]),
    ("recursive-hidden-tsv", ["-r", "-a", "--format", "tsv", "tree"]),
    ("recursive-hidden-csv", ["-r", "-a", "--format", "csv", "tree"]),
    ("recursive-hidden-json", ["-r", "-a", "--format", "json", "tree"]),
    ("recursive-hidden-table", ["-r", "-a", "--format", "table", "tree"]),
    ("recursive-hidden-jsonl", ["-r", "-a", "--format", "jsonl", "tree"]),
    ("by-folder-table", ["-r", "--by-folder", "--format", "table", "tree"]),
    ("by-folder-tsv", ["-r", "--by-folder", "tree"]),
    ("by-folder-quiet-json", ["-r", "-q", "--by-folder", "--format", "json", "tree"]),
    ("gnu-options", ["-raj1", "--format=csv", "--", "tree"]),
    ("recursive-tsv", ["-r", "tree"]),
    ("quiet-tsv", ["-r", "-q", "tree"]),
    ("quiet-csv", ["-r", "-q", "--format", "csv", "tree"]),
    ("quiet-json", ["-r", "-q", "--format", "json", "tree"]),
    ("quiet-table", ["-r", "-q", "--format", "table", "tree"]),
    ("one-job", ["-r", "-a", "-j", "1", "--format", "json", "tree"]),
    ("many-jobs", ["-r", "-a", "-j", "8", "--format", "json", "tree"]),
    ("engine-fast", ["-r", "--engine", "fast", "tree/docs"]),
    ("engine-qpdf", ["-r", "--engine", "qpdf", "tree/docs"]),
    ("files-given", ["tree/docs/ten.pdf", "tree/docs/empty.pdf", "tree/other/loose.pdf"]),
    ("two-folders", ["--format", "csv", "tree/other", "tree/docs/damaged"]),
    ("missing-path", ["tree/nowhere", "tree/other"]),
    ("bad-usage", ["--format", "xml", "tree"]),
    ("size-at-least", ["-r", "--size-at-least", "10", "tree"]),
    ("size-at-most", ["-r", "--size-at-most", "9", "tree"]),
    ("size-between", ["-r", "--size-between", "10", "9000", "tree"]),
    ("size-between-reversed", ["-r", "--size-between", "10000", "9", "tree"]),
    ("size-range", ["-r", "--size-at-least", "10", "--size-at-most", "9000", "tree"]),
    ("files-given-size", ["--size-at-least", "10", "tree/docs/ten.pdf", "tree/docs/empty.pdf"]),
    ("between-one-day", ["-r", "--between", "2005-07-26", "2005-07-27", "tree"]),
    ("between-same-day", ["-r", "--between", "2005-07-27", "2005-07-27", "tree"]),
    ("in-last-days", ["-r", "-a", "--in-last", "32767d", "tree"]),
    ("in-last-months", ["-r", "--in-last", "1200m", "--format", "json", "tree"]),
    ("in-last-zero", ["-r", "--in-last", "0", "tree"]),
    ("created", ["-r", "--date-kind", "created", "--between", "1990-01-01", "2100-01-01", "tree"]),
    ("accessed", ["-r", "--date-kind", "accessed", "--between", "1990-01-01", "2100-01-01", "tree"]),
    ("date-and-size", ["-r", "--between", "2005-01-01", "2006-01-01", "--size-at-most", "10", "tree"]),
]

EXPORT_CASES = [
    # (name, target, extra arguments)
    ("xls", "export.xls", []),
    ("csv", "export.CSV", []),
    ("txt", "export.txt", []),
    ("txt-semicolon", "export.txt", ["--separator", ";"]),
    ("doc-bar", "export.doc", ["--separator", "|"]),
    ("doc-quote", "export.doc", ["--separator", '"']),
    ("other-space", "export.dat", ["--separator", " "]),
    ("no-extension-tab", "export", ["--separator", "\t"]),
]

SETTINGS_FILES = {
    "full": (
        "[Grid]\r\nBackPicture=/pictures/paper.png\r\nStyle=12\r\nShow/Hide=0\r\nForeColor=255\r\n"
        "ForeColorSel=-2147483634\r\nBackColor=-2147483643\r\nBackColorSel=-2147483635\r\nGridColor=16711680\r\n"
        "[ColumnSetting]\r\nVisibility=1,0,1,1,1\r\n[General]\r\nStartupFolder=/home/ann/Documents\r\n"
        "ExportLocation=/home/ann/Exports\r\n"),
    "odd": (
        "; kept comment\n[grid]\nstyle = 4 \nUnknown=kept\nBACKPICTURE=\"/quoted path/p.png\"\n"
        "ForeColor=16777215\nforecolor=1\n\n[Other]\nKey=Value\n[ColumnSetting]\nVisibility=1 ,0,,1\n"
        "[General]\nStartupFolder=" + "x" * 600 + "\n"),
    "bad-number": "[Grid]\nStyle=twelve\n",
    "out-of-range": "[Grid]\nShow/Hide=300\n",
    "empty": "",
}


def run(command, cwd, env):
    return subprocess.run(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL, capture_output=True)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def record(build, outdir):
    build = os.path.abspath(build)
    count = os.path.join(build, "bin", "folidex-count")
    round_trip = os.path.join(build, "tools", "compat", "settings_round_trip")
    for tool in (count, round_trip):
        if not os.access(tool, os.X_OK):
            sys.exit("missing %s: build the project (with tests) first" % tool)
    env = dict(os.environ, TZ="UTC", LC_ALL="C.UTF-8")
    work = tempfile.mkdtemp(prefix="folidex-compat-")
    try:
        make_tree(os.path.join(work, "tree"))

        def save(name, result):
            write(os.path.join(outdir, "cli", name + ".out"), result.stdout)
            write(os.path.join(outdir, "cli", name + ".err"), result.stderr)
            write(os.path.join(outdir, "cli", name + ".status"), b"%d\n" % result.returncode)

        for name, arguments in CLI_CASES:
            save(name, run([count] + arguments, work, env))
        for name, target, extra in EXPORT_CASES:
            for listing in ("tsv", "json"):
                result = run([count, "-r", "-a", "--format", listing, "--export", target] + extra + ["tree"], work, env)
                save("export-%s-%s" % (name, listing), result)
                exported = os.path.join(work, target)
                if os.path.exists(exported):  # a refused separator writes none
                    with open(exported, "rb") as data:
                        write(os.path.join(outdir, "export", "%s-%s" % (name, listing)), data.read())
                    os.remove(exported)
        result = run([count, "--export", "tree/nowhere/x.xls", "tree/other"], work, env)
        save("export-unwritable", result)

        for name, text in SETTINGS_FILES.items():
            source = os.path.join(work, name + ".ini")
            target = os.path.join(work, name + "-saved.ini")
            write(source, text.encode())
            result = run([round_trip, source, target], work, env)
            write(os.path.join(outdir, "settings", name + ".log"), result.stdout + result.stderr)
            if os.path.exists(target):
                with open(target, "rb") as data:
                    write(os.path.join(outdir, "settings", name + ".ini"), data.read())
        fresh = os.path.join(work, "fresh.ini")
        result = run([round_trip, "-", fresh], work, env)
        write(os.path.join(outdir, "settings", "fresh.log"), result.stdout + result.stderr)
        with open(fresh, "rb") as data:
            write(os.path.join(outdir, "settings", "fresh.ini"), data.read())
    finally:
        shutil.rmtree(work)


def differences(a, b):
    comparison = filecmp.dircmp(a, b)
    found = [os.path.join(a, n) for n in comparison.left_only + comparison.right_only + comparison.funny_files]
    _, mismatch, errors = filecmp.cmpfiles(a, b, comparison.common_files, shallow=False)
    found += [os.path.join(a, n) for n in mismatch + errors]
    for sub in comparison.common_dirs:
        found += differences(os.path.join(a, sub), os.path.join(b, sub))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build", help="the build folder to run (default: build)")
    parser.add_argument("--compare-build", help="a second build folder: record both and compare")
    parser.add_argument("outdir", help="where the outputs go (emptied first)")
    args = parser.parse_args()
    shutil.rmtree(args.outdir, ignore_errors=True)
    if not args.compare_build:
        record(args.build, args.outdir)
        return 0
    record(args.build, os.path.join(args.outdir, "this"))
    record(args.compare_build, os.path.join(args.outdir, "other"))
    found = differences(os.path.join(args.outdir, "this"), os.path.join(args.outdir, "other"))
    for path in found:
        print("differs:", path)
    print("%d output(s) differ" % len(found) if found else "no output differs")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
