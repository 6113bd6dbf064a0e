#!/usr/bin/env bash
# The shared library shows a host only what the public headers promise: the entry
# point, the functions and classes marked VX4820CAL_API, and their type information.
set -euo pipefail
library=$1
include_dir=$2
promised=$(grep -rhoE 'VX4820CAL_API [^(;{]*[A-Za-z_0-9]+\(|class VX4820CAL_API [A-Za-z_0-9]+' "$include_dir" |
  sed -E 's/\($//; s/.*[ *&]//' | sort -u)
exported=$(nm -D --defined-only -C "$library" | sed -E 's/^[0-9a-f]+ [A-Za-z] //')
grep -qx 'vx4820cal_GetComponentApi' <<<"$exported" || { echo "the entry point is not exported"; exit 1; }
grep -qx 'typeinfo for vx4820cal::Itier' <<<"$exported" || { echo "the tier's type information is not exported"; exit 1; }
status=0
while IFS= read -r symbol; do
  name=${symbol#typeinfo name for }
  name=${name#typeinfo for }
  name=${name#vtable for }
  name=${name#VTT for }
  [[ $name == vx4820cal_GetComponentApi ]] && continue
  first=$(sed -E 's/^vx4820cal::([A-Za-z_0-9]+).*/\1/; t; s/.*/-/' <<<"$name")
  if ! grep -qx -- "$first" <<<"$promised"; then
    echo "exported but not promised by the public headers: $symbol"
    status=1
  fi
done <<<"$exported"
[[ $status == 0 ]] && echo "$(wc -l <<<"$exported") exported symbols, all promised"
exit $status
