#!/bin/sh
# README.md shows the help of folidex-count as the program prints it.
#   help_in_readme.sh FOLIDEX_COUNT README
help=$("$1" --help) || exit 1
python3 -c 'import sys; sys.exit(0 if "```\n" + sys.argv[2] + "\n```" in open(sys.argv[1]).read() else 1)' "$2" "$help" ||
  { echo "README.md does not show the help of folidex-count as it is now" >&2; exit 1; }
