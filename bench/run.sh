#!/bin/sh
# Builds the benchmarks in release mode, generates their inputs in a temporary folder
# and runs everything in one run; the run ends with one table: each figure's median,
# its spread over the repetitions, `wc -l` on the same file, the ratio of the two and
# the target. Arguments go to the benchmark program, e.g. --benchmark_filter=load.
# REPETITIONS (default 5) sets how many times each benchmark is repeated; GIGABYTE=1
# adds the loads of 1 GiB working copies; KEEP_INPUTS=DIR keeps the inputs in DIR.
set -eu
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench -j2
exec build/bench/bin/vx4820cal_bench \
  --benchmark_repetitions="${REPETITIONS:-5}" \
  --benchmark_enable_random_interleaving=true \
  "$@"
