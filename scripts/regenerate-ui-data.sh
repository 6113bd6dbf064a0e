#!/bin/sh
# Rebuilds the scrambled UI field data file from its plain source, which is the copy
# people edit: data/VX4820CAL_UI_U.txt -> data/VX4820CAL_UI_U.dat.
# The tool is $VX4820CAL_TOOL when set, else the release build's (the one the README's
# first command builds), built when missing.
set -eu
cd "$(dirname "$0")/.."
release_tool=build/release/bin/vx4820cal
tool="${VX4820CAL_TOOL:-$release_tool}"
if [ ! -x "$tool" ]; then
  if [ "$tool" != "$release_tool" ]; then
    echo "regenerate-ui-data.sh: VX4820CAL_TOOL=$tool is not an executable file" >&2
    exit 1
  fi
  cmake --preset release >/dev/null
  cmake --build --preset release -j2 --target vx4820cal_cli
fi
"$tool" scramble data/VX4820CAL_UI_U.txt data/VX4820CAL_UI_U.dat
echo "wrote data/VX4820CAL_UI_U.dat"
