#!/usr/bin/env bash
# Configures and builds the project (Release with tests) into build/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DAIRFOIL_WERROR="${AIRFOIL_WERROR:-OFF}" "$@" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
