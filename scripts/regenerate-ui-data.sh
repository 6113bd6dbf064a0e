#!/bin/sh
# Rebuilds the scrambled UI field data file from its plain source, which is the copy
# people edit: data/VX4820CAL_UI_U.txt -> data/VX4820CAL_UI_U.dat.
# The tool is taken from $VX4820CAL_TOOL, else from the debug build (built if missing).
set -eu
cd "$(dirname "$0")/.."
tool="${VX4820CAL_TOOL:-build/debug/bin/vx4820cal}"
if [ ! -x "$tool" ]; then
  cmake --preset debug >/dev/null
  cmake --build --preset debug -j2 --target vx4820cal_cli
fi
"$tool" scramble data/VX4820CAL_UI_U.txt data/VX4820CAL_UI_U.dat
echo "wrote data/VX4820CAL_UI_U.dat"
