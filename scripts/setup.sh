#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs (the lists are in
# packages.sh). Safe to run again: only what is missing is installed.
#   bash scripts/setup.sh       everything: build, run, test, check, package
#   bash scripts/setup.sh run   only what building and running the program needs
#   bash scripts/setup.sh web   only what building the web page needs
# Installing needs root: a user who is not root is asked for sudo.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=packages.sh
source "$here/packages.sh"

case "${1:-all}" in
  run) packages=("${run_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  all) packages=("${run_packages[@]}" "${web_packages[@]}" "${dev_packages[@]}") ;;
  *) echo "usage: bash scripts/setup.sh [run|web|all]" >&2; exit 2 ;;
esac

# The web tests' runner comes from npm; a node that brings its own npm (and
# conflicts with Debian's) is left as it is.
if [[ "${1:-all}" != run ]] && ! command -v npm >/dev/null; then packages+=(npm); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  echo "setup: installing Debian packages needs root; asking sudo for: apt-get install ${missing[*]}" >&2
  as_root=(sudo)
else
  echo "setup: these Debian packages are missing and sudo is not installed; as root, run:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
