#!/bin/sh
# Runs a libFuzzer target for SECONDS seconds on a fresh corpus folder and the seeds given,
# which it only reads. Fails when the target finds a crash, a leak, undefined behaviour,
# an allocation of 256 MiB or more, or a run over 1 GiB of memory.
#   run_fuzzer.sh TARGET SECONDS [SEEDS] [FUZZER OPTIONS...]
set -eu
target=$1
seconds=$2
shift 2
seeds=
if [ $# -gt 0 ] && [ -d "$1" ]; then
  seeds=$1
  shift
fi
corpus=$(mktemp -d)
artifacts=$(mktemp -d)
trap 'rm -rf "$corpus" "$artifacts"' EXIT
# shellcheck disable=SC2086
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=256 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$@" "$corpus" $seeds
