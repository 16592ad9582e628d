#!/usr/bin/env bash
# The command-line conventions of the three programs: --help prints the usage
# on standard output and exits 0, --version names the project's version, and
# a bad option prints the usage on standard error and exits 2.
#   command_lines.sh VERSION WINDOW_PROGRAM PROBE CATALOGUE_GENERATOR
set -uo pipefail
version="$1"
shift
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in "$@"; do
  name="$(basename "$program")"
  "$program" --help >"$out" 2>"$err"; status=$?
  ((status == 0)) || fail "$name --help exits $status"
  grep -qi "^usage: $name" "$out" || fail "$name --help prints no usage"

  "$program" --version >"$out" 2>"$err"; status=$?
  ((status == 0)) || fail "$name --version exits $status"
  grep -qx "$name (PelmoraAirfoil) $version" "$out" || fail "$name --version prints '$(cat "$out")'"

  "$program" --no-such-option >"$out" 2>"$err"; status=$?
  ((status == 2)) || fail "$name --no-such-option exits $status"
  grep -qi "usage: $name" "$err" || fail "$name --no-such-option prints no usage on stderr"
  [[ ! -s "$out" ]] || fail "$name --no-such-option writes to stdout"
done
# The window program's --zoom: named in --help, and a value that is not a
# factor refused with exit 2 before any window opens (the settings of the
# run go to a directory of their own).
window="$1"
"$window" --help | grep -q -- "--zoom FACTOR" || fail "$(basename "$window") --help does not name --zoom"
XDG_CONFIG_HOME="$(mktemp -d)" "$window" --zoom big >"$out" 2>"$err"; status=$?
((status == 2)) || fail "$(basename "$window") --zoom big exits $status"
grep -q "zoom" "$err" || fail "$(basename "$window") --zoom big says nothing on stderr"

((failures == 0)) && echo "command lines: $# programs follow the conventions"
exit $((failures > 0))
