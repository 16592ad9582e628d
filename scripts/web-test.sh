#!/usr/bin/env bash
# The web page's tests: builds the site, installs the test runner at the
# versions web/package-lock.json pins, and drives the page in headless
# Chromium (web/test/run.js).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/web.sh" --build-only
(cd "$root/web" && npm ci --no-audit --no-fund --silent)
node "$root/web/test/run.js" "$root/build-web/site" "$root"
