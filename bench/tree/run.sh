#!/usr/bin/env bash
# Times folidex-count over a generated tree of PDF files, beside its peers, in one run.
#   bench/tree/run.sh [BUILD_DIR]        (default: build)
# Environment: BENCH_TREE (where the tree lives, default /tmp/folidex-bench-tree),
# BENCH_FILES (default 20000), SLOW_OPEN_US (latency of the slow-share run, default 2000).
set -euo pipefail

build=${1:-build}
tree=${BENCH_TREE:-/tmp/folidex-bench-tree}
files=${BENCH_FILES:-20000}
count="$build/bin/folidex-count"
tools="$build/bench/tree"

for tool in /usr/bin/time exiftool; do
  command -v "$tool" >/dev/null || { echo "missing $tool: apt-get install time libimage-exiftool-perl" >&2; exit 1; }
done
if [ ! -d "$tree" ]; then
  echo "Building $files files in $tree ..."
  "$tools/make_bench_tree" "$tree" "$files"
fi
listed=$(find "$tree" -name '*.pdf' | wc -l)

# Runs a command twice (the first warms the cache) and prints its seconds and peak memory (KB).
measure() {
  "$@" >/dev/null 2>&1 || true
  /usr/bin/time -f '%e %M' -o /tmp/folidex-bench-time "$@" >/dev/null 2>&1 || true
  cat /tmp/folidex-bench-time
}

declare -A seconds memory
run() {
  local label=$1
  shift
  read -r seconds[$label] memory[$label] < <(measure "$@")
  printf '%-28s %8.2f s %9.1f us/file %7.1f MB\n' "$label" "${seconds[$label]}" \
    "$(echo "${seconds[$label]} * 1000000 / $listed" | bc -l)" "$(echo "${memory[$label]} / 1024" | bc -l)"
}
ratio() { echo "scale=2; $1 / $2" | bc -l; }

echo "$listed PDF files in $tree, $(nproc) processor threads"
run floor "$tools/read_floor" "$tree"
run jobs1 "$count" -r -q --jobs 1 "$tree"
run jobs2 "$count" -r -q --jobs 2 "$tree"
run default "$count" -r -q "$tree"
if "$count" --help | grep -q -- '--engine'; then
  run qpdf "$count" -r -q --jobs 1 --engine qpdf "$tree"
fi
tenth=$(find "$tree" -mindepth 1 -maxdepth 1 -type d | sort | head -n 2)
# shellcheck disable=SC2086
run exiftool-tenth exiftool -q -r -ext pdf -PageCount $tenth

echo
echo "--jobs 1 / floor:            $(ratio "${seconds[jobs1]}" "${seconds[floor]}")x (goal: within 3x)"
[ -n "${seconds[qpdf]:-}" ] && echo "--engine qpdf / --jobs 1:   $(ratio "${seconds[qpdf]}" "${seconds[jobs1]}")x (goal: at least 15x)"
echo "--jobs 1 / --jobs 2:         $(ratio "${seconds[jobs1]}" "${seconds[jobs2]}")x (goal: at least 1.6x on two cores)"
echo "exiftool (x10) / --jobs 1:   $(ratio "$(echo "${seconds[exiftool-tenth]} * 10" | bc -l)" "${seconds[jobs1]}")x"
echo "peak memory of the default:  $(echo "${memory[default]} / 1024" | bc -l | cut -c1-5) MB (goal: under 100 MB)"

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
