#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in data/, the
# folder that holds its catalogue KATPE-D20G15.txt.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run: no display to open the window on; on a machine without one, install the packages with "bash scripts/setup.sh", then try: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
cd "$root/data"
exec "$root/build/ui/qt/pelmora-airfoil"
