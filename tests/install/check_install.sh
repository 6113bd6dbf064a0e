#!/usr/bin/env bash
# Installs the built project into a scratch prefix and builds a consumer against it.
set -euo pipefail
build_dir=$1
source_dir=$2
. "$(dirname "$0")/scratch_install.sh" "$build_dir"
test -x "$prefix/bin/vx4820cal"
test -f "$prefix/include/vx4820cal/interfaces.h"
cmake -S "$source_dir/tests/install/consumer" -B "$scratch/build" -G Ninja \
  -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/build" >/dev/null
"$scratch/build/consumer" | grep -qx consumer
"$prefix/bin/vx4820cal" --help >/dev/null
echo "installed package builds and runs a consumer"
