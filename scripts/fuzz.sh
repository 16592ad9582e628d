#!/usr/bin/env bash
# Builds the libFuzzer targets (Clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for a bounded
# time over a scratch copy of its seed corpus, so the tree stays clean.
#   FUZZ_SECONDS  seconds per target (default 60)
#   FUZZ_TARGETS  which targets to run (default: all)
# An input that breaks an invariant or trips a sanitizer fails the run; it is
# kept in build-fuzz/artifacts/ for replay (./build-fuzz/fuzz/TARGET FILE).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${AIRFOIL_FUZZ_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
targets="${FUZZ_TARGETS:-catalogue_fuzzer moo_fuzzer}"
jobs="${JOBS:-$(nproc)}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DAIRFOIL_WERROR="${AIRFOIL_WERROR:-OFF}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DAIRFOIL_FUZZ=ON -DAIRFOIL_SANITIZE=ON -DAIRFOIL_BUILD_UI=OFF -DAIRFOIL_BUILD_TESTS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j "$jobs" --target $targets

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"
status=0
summary=()
for target in $targets; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp "$root/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
  # The real catalogue is the best seed of all for the catalogue reader.
  [[ $target == catalogue_fuzzer ]] && cp "$root/data/KATPE-D20G15.txt" "$corpus/committed-catalogue"

  log="$work/$target.log"
  echo "fuzz: $target for ${seconds} s"
  if "$build/fuzz/$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=1024 \
       -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$corpus" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 60 "$log"
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)"
  summary+=("$(printf '%-18s %-6s %10s runs %8s runs/s  coverage %s  corpus %s files' \
    "$target" "$result" "${runs:-?}" "${speed:-?}" "${cov:-?}" "$(ls "$corpus" | wc -l)")")
done

echo "fuzz summary (${seconds} s per target):"
printf '  %s\n' "${summary[@]}"
exit "$status"
