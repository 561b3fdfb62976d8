#!/usr/bin/env bash
# Times folidex-count over two trees of PDF files, beside its peers, in one run: a generated
# tree, and a tree of real documents (the documentation PDFs of the Debian packages
# texlive-latex-recommended-doc, texlive-humanities-doc, texlive-science-doc and
# docbook-xsl-doc-pdf, with encrypted and linearized copies made by qpdf, see
# make_real_tree.py). `make bench-deps` installs those packages and the peers.
#   bench/tree/run.sh [BUILD_DIR]        (default: build)
# Environment: BENCH_TREE and BENCH_REAL_TREE (where the trees live, default
# /tmp/folidex-bench-tree and /tmp/folidex-bench-real-tree), BENCH_FILES (files in each,
# default 20000), SLOW_OPEN_US (latency of the slow-share run, default 2000).
set -euo pipefail

build=${1:-build}
tree=${BENCH_TREE:-/tmp/folidex-bench-tree}
real=${BENCH_REAL_TREE:-/tmp/folidex-bench-real-tree}
files=${BENCH_FILES:-20000}
count="$build/bin/folidex-count"
tools="$build/bench/tree"

for tool in /usr/bin/time exiftool qpdf pdfinfo mutool; do
  command -v "$tool" >/dev/null || { echo "missing $tool: make bench-deps installs it" >&2; exit 1; }
done
if [ ! -d "$tree" ]; then
  echo "Building $files files in $tree ..."
  "$tools/make_bench_tree" "$tree" "$files"
fi
if [ ! -d "$real" ]; then
  echo "Building $files real documents in $real ..."
  "$(dirname "$0")/make_real_tree.py" "$real" "$files"
fi
listed=$(find "$tree" -name '*.pdf' | wc -l)
real_listed=$(find "$real" -name '*.pdf' | wc -l)

# Runs a command and prints its seconds and peak memory (KB).
measure() {
  /usr/bin/time -f '%e %M' -o /tmp/folidex-bench-time "$@" >/dev/null 2>&1 || true
  cat /tmp/folidex-bench-time
}

declare -A seconds memory
# run LABEL FILES COMMAND...: times the command, which reads FILES files.
run() {
  local label=$1 count=$2
  shift 2
  read -r seconds[$label] memory[$label] < <(measure "$@")
  perfile[$label]=$(echo "${seconds[$label]} * 1000000 / $count" | bc -l)
  printf '%-22s %6s files %8.2f s %9.1f us/file %7.1f MB\n' "$label" "$count" "${seconds[$label]}" \
    "${perfile[$label]}" "$(echo "${memory[$label]} / 1024" | bc -l)"
}
declare -A perfile
ratio() { echo "scale=2; $1 / $2" | bc -l; }

# Everything below reads from the page cache: read every file once first.
find "$tree" "$real" -name '*.pdf' -exec cat {} + >/dev/null

echo "$listed PDF files in $tree, $(nproc) processor threads"
run floor "$listed" "$tools/read_floor" "$tree"
run jobs1 "$listed" "$count" -r -q --jobs 1 "$tree"
run jobs2 "$listed" "$count" -r -q --jobs 2 "$tree"
run default "$listed" "$count" -r -q "$tree"
# The slow peers take a sample of the tree: the first two of its 200 folders, every
# kind of file in them.
sample=$(find "$tree" -mindepth 2 -maxdepth 2 -type d | sort | head -n 2)
# shellcheck disable=SC2086
sample_files=$(find $sample -name '*.pdf' | wc -l)
# shellcheck disable=SC2086
run qpdf-sample "$sample_files" "$count" -r -q --jobs 1 --engine qpdf $sample
# shellcheck disable=SC2086
run exiftool-sample "$sample_files" exiftool -q -r -ext pdf -PageCount $sample

echo
echo "--jobs 1 / floor:            $(ratio "${perfile[jobs1]}" "${perfile[floor]}")x per file (goal: within 3x)"
echo "--engine qpdf / --jobs 1:    $(ratio "${perfile[qpdf-sample]}" "${perfile[jobs1]}")x per file (goal: at least 15x)"
echo "--jobs 1 / --jobs 2:         $(ratio "${seconds[jobs1]}" "${seconds[jobs2]}")x (goal: at least 1.6x on two cores)"
echo "exiftool / --jobs 1:         $(ratio "${perfile[exiftool-sample]}" "${perfile[jobs1]}")x per file"
echo "peak memory of the default:  $(echo "${memory[default]} / 1024" | bc -l | cut -c1-5) MB (goal: under 100 MB)"

# The real documents, qpdf over the whole tree: the total is what a user waits for.
echo
echo "$real_listed real documents in $real ($(cat "$real.pages") pages, as pdfinfo, qpdf and mutool count them)"
run real-floor "$real_listed" "$tools/read_floor" "$real"
run real-jobs1 "$real_listed" "$count" -r -q --jobs 1 "$real"
run real-qpdf "$real_listed" "$count" -r -q --jobs 1 --engine qpdf "$real"
# One more run, with zlib's inflate timed: its total of pages, and the time zlib alone takes,
# which no change to the reader's own code saves.
timed=$(LD_PRELOAD="$(realpath "$tools/libinflate_time.so")" "$count" -r -q --jobs 1 "$real" 2>&1)
counted=$(sed -n 's/^Total Pages : //p' <<<"$timed")
inflating=$(sed -n 's/^inflate: .*, \([0-9.]*\) s$/\1/p' <<<"$timed")
echo
echo "--jobs 1 / floor:            $(ratio "${seconds[real-jobs1]}" "${seconds[real-floor]}")x in total (goal: within 3x)"
echo "  zlib's inflate / floor:    $(ratio "$inflating" "${seconds[real-floor]}")x in total ($inflating s of the --jobs 1 run)"
echo "--engine qpdf / --jobs 1:    $(ratio "${seconds[real-qpdf]}" "${seconds[real-jobs1]}")x in total (goal: at least 15x)"
echo "pages counted:               $counted (the peers: $(cat "$real.pages"))"

# A slow share: every open of a .pdf waits SLOW_OPEN_US microseconds.
slow=$(find "$tree" -mindepth 2 -maxdepth 2 -type d | sort | head -n 3)
preload=$(realpath "$tools/libslow_open.so")
slow_files=$(find $slow -name '*.pdf' | wc -l)
echo
echo "Slow share: $slow_files files, ${SLOW_OPEN_US:-2000} us per open"
for jobs in 1 2 4 8 16; do
  # shellcheck disable=SC2086
  start=$(date +%s.%N)
  LD_PRELOAD="$preload" "$count" -r -q --jobs "$jobs" $slow >/dev/null 2>&1
  end=$(date +%s.%N)
  printf '  --jobs %-3s %6.2f s  %6.0f files/s\n' "$jobs" "$(echo "$end - $start" | bc -l)" \
    "$(echo "$slow_files / ($end - $start)" | bc -l)"
done
