#!/usr/bin/env bash
# Builds the Debian package pelmora-airfoil_<version>_<arch>.deb in
# build-release/ from a Release build of the installed programs (the same
# build folder as scripts/run.sh), installed under /usr.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-release"

# cpack works out the package's dependencies with dpkg-shlibdeps and file.
for tool in dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null ||
    { echo "package: $tool is missing: install dpkg-dev and file (bash scripts/setup.sh)" >&2; exit 1; }
done

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DAIRFOIL_BUILD_UI=ON -DAIRFOIL_BUILD_TESTS=OFF -DAIRFOIL_BUILD_BENCH=OFF -DAIRFOIL_FUZZ=OFF \
  -DAIRFOIL_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/pelmora-airfoil_*.deb
