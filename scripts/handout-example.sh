#!/usr/bin/env bash
# Regenerates docs/handout-example.pdf with the probe: a cambered section at
# 6 degrees, the moment about the quarter chord, Moo 0.6. Needs a build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$root/build/tools/airfoil-probe" --catalogue "$root/data/KATPE-D20G15.txt" --export "$out" \
  moo=0.6 thickness=12 camber=4 alfa=2 xm=25 pin alfa=6 >/dev/null
cp "$out/handout.pdf" "$root/docs/handout-example.pdf"
echo "wrote docs/handout-example.pdf"
