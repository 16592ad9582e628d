#!/usr/bin/env bash
# Configures and builds the project into build/: a Release build with the
# tests (and with the benchmarks when AIRFOIL_BUILD_BENCH=ON). Warnings are
# errors when AIRFOIL_WERROR=ON, as CI sets it; the optimiser's own warnings
# only show in a Release build, so this one build proves it clean.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DAIRFOIL_WERROR="${AIRFOIL_WERROR:-OFF}" -DAIRFOIL_BUILD_BENCH="${AIRFOIL_BUILD_BENCH:-OFF}" \
  "$@" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
