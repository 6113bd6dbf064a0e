#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset) and runs each for a bounded time.
#   fuzz/run.sh SECONDS [TARGET...]     (targets: params_load params_lookup ui_fields scramble)
# Each target starts from its seeds in fuzz/corpus/<target> and grows a working corpus
# in build/fuzz/corpus/<target> (kept between runs, never committed). A crash, leak,
# undefined behaviour, time-out or broken invariant stops with a non-zero exit; the
# input is saved in build/fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:?usage: fuzz/run.sh SECONDS [TARGET...]}"
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(params_load params_lookup ui_fields scramble)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

dictionary_of() {
  case "$1" in
    params_*) echo "-dict=fuzz/params.dict" ;;
    ui_fields) echo "-dict=fuzz/ui_fields.dict" ;;
  esac
}

for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  artifacts="build/fuzz/artifacts/$target"
  log="build/fuzz/$target.log"
  mkdir -p "$corpus" "$artifacts"
  echo "== fuzz $target for ${seconds}s"
  status=0
  # shellcheck disable=SC2046
  "build/fuzz/bin/${target}_fuzzer" "$corpus" "fuzz/corpus/$target" $(dictionary_of "$target") \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
  echo "corpus: $(find "$corpus" -type f | wc -l) inputs, $(du -sk "$corpus" | cut -f1) KiB"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz $target: FAILED (exit $status)"
    exit 1
  fi
done
