#!/usr/bin/env bash
# Installs the built project into a scratch prefix and runs the installed tool from an
# unrelated folder: without --dir the demo runs on the installed sample data and
# writes nothing there; --dir still wins; other commands name the folder they read.
set -euo pipefail
. "$(dirname "$0")/scratch_install.sh" "$1"
tool=$prefix/bin/vx4820cal
data=$prefix/share/vx4820cal/data
for file in PARAMETERS.ini PARAMETERS.dat VX4820CAL_UI_U.dat; do
  test -f "$data/$file" || { echo "not installed: $data/$file"; exit 1; }
done
cd "$scratch"
installed=$(ls -li --full-time "$data")
"$tool" demo >demo.out 2>demo.err || { cat demo.out demo.err; echo "the installed demo failed"; exit 1; }
grep -qx "   folder   $data" demo.out || { cat demo.out; echo "the demo did not read $data"; exit 1; }
test "$installed" = "$(ls -li --full-time "$data")" || { echo "the demo wrote into $data"; exit 1; }
mkdir empty
status=0
"$tool" demo --dir empty >/dev/null 2>&1 || status=$?
test "$status" = 3 || { echo "demo --dir on an empty folder exited $status, not 3"; exit 1; }
status=0
"$tool" bands >/dev/null 2>bands.err || status=$?
test "$status" != 0 || { echo "bands found data beside the installed tool"; exit 1; }
grep -q "^vx4820cal: $prefix/bin/PARAMETERS.ini and PARAMETERS.dat: neither exists" bands.err ||
  { cat bands.err; echo "bands did not say where it looked"; exit 1; }
echo "the installed demo runs on the installed sample data"
