#!/usr/bin/env bash
# The README's first command: installs what building and running the program
# needs (asking for sudo when not root), builds the program alone (no tests,
# benchmarks or fuzzers) in a Release build in build-release/, and starts it
# as the user who ran the command. Arguments go to the program, for instance
# --smoke-test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-release"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  cat >&2 <<'HINT'
run: no display to open the window on. Start it from a desktop session. On a machine without
one, 'xvfb-run -a bash scripts/run.sh' (install xvfb and xauth first) opens the window on an
invisible screen and waits until you stop it with Ctrl-C; to check only that the program draws,
run 'QT_QPA_PLATFORM=offscreen bash scripts/run.sh --smoke-test'.
HINT
  exit 1
fi

bash "$root/scripts/setup.sh" run

# Started with sudo: the packages are in; the build and the window belong to
# the user who asked, not to root.
if [[ $(id -u) -eq 0 && -n "${SUDO_USER:-}" && "${SUDO_USER}" != root ]]; then
  exec runuser -u "$SUDO_USER" -- bash "$root/scripts/run.sh" "$@"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAIRFOIL_BUILD_UI=ON \
  -DAIRFOIL_BUILD_TESTS=OFF -DAIRFOIL_BUILD_BENCH=OFF -DAIRFOIL_FUZZ=OFF -DAIRFOIL_SANITIZE=OFF >/dev/null
cmake --build "$build" --target pelmora-airfoil -j "$(nproc)"
exec "$build/ui/qt/pelmora-airfoil" "$@"
