#!/usr/bin/env bash
# The program as a web page: installs what the web build needs (Emscripten),
# builds the page into build-web/site/ and serves that folder on
# http://127.0.0.1:8080/ until stopped with Ctrl-C. The folder is the whole
# site: copy it to any static web server, or open its index.html from disk.
#   bash scripts/web.sh               build and serve on port 8080
#   bash scripts/web.sh --port N      serve on port N
#   bash scripts/web.sh --build-only  build without serving
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-web"
port=8080
serve=1
while (($#)); do
  case "$1" in
    --port) port="${2:?--port needs a number}"; shift 2 ;;
    --port=*) port="${1#--port=}"; shift ;;
    --build-only) serve=0; shift ;;
    *) echo "usage: bash scripts/web.sh [--port N] [--build-only]" >&2; exit 2 ;;
  esac
done
[[ "$port" =~ ^[0-9]+$ ]] || { echo "web: --port needs a number, not '$port'" >&2; exit 2; }

bash "$root/scripts/setup.sh" web

# Emscripten's JavaScript tools need Debian's node modules; a node that is not
# Debian's own does not look there by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAIRFOIL_WEB=ON \
  -DAIRFOIL_WERROR="${AIRFOIL_WERROR:-OFF}" >/dev/null
cmake --build "$build" -j "$(nproc)"

site="$build/site"
bytes=$(find "$site" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
echo "web: the site is $site ($bytes bytes); open $site/index.html or serve the folder"
((serve)) || exit 0
echo "web: serving on http://127.0.0.1:$port/ (Ctrl-C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
