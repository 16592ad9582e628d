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
window="$(readlink -f "$1")"  # absolute: the settings runs start in data/
"$window" --help | grep -q -- "--zoom FACTOR" || fail "$(basename "$window") --help does not name --zoom"
XDG_CONFIG_HOME="$(mktemp -d)" "$window" --zoom big >"$out" 2>"$err"; status=$?
((status == 2)) || fail "$(basename "$window") --zoom big exits $status"
grep -q "zoom" "$err" || fail "$(basename "$window") --zoom big says nothing on stderr"


# The remembered settings: only a run that starts normally stores what it was
# given, and a settings file or lock that is not a regular file of our own
# neither hangs the program nor is written through. A normal run is stopped
# by `timeout` once it has had the time to store; the runs go side by side.
data="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../data" && pwd)"
configs="$(mktemp -d)"
trap 'rm -f "$out" "$err"; rm -rf "$configs"' EXIT
settings() {
  mkdir -p "$configs/$1/PelmoraAirfoil"
  echo "$configs/$1/PelmoraAirfoil/pelmora-airfoil.conf"
}
run() {  # run NAME SECONDS OPTION...: the window program with its own settings
  local name="$1" seconds="$2"
  shift 2
  (cd "$data" && XDG_CONFIG_HOME="$configs/$name" timeout "$seconds" "$window" -platform offscreen "$@" \
    >"$configs/$name.out" 2>"$configs/$name.err"; echo $? >"$configs/$name.status")
}
mkfifo "$(settings fifo)"
mkdir -p "$(settings lockdir).lock"
echo "keep" >"$configs/victim"
ln -s "$configs/victim" "$(settings link)"
run rejected 20 --lang en --zoom big &
run smoke 20 --lang en --zoom 2 --smoke-test &
run fifo 20 --lang en --smoke-test &
run normal 8 --lang en --zoom 150% &
run lockdir 8 --lang en --zoom 2 &
run link 8 --lang en &
wait
status() { cat "$configs/$1.status"; }
(($(status rejected) == 2)) || fail "a rejected command line exits $(status rejected)"
[[ ! -e "$(settings rejected)" ]] || fail "a rejected command line stored settings"
(($(status smoke) == 0)) || fail "--smoke-test exits $(status smoke)"
[[ ! -e "$(settings smoke)" ]] || fail "--smoke-test stored settings"
(($(status fifo) == 0)) || fail "a FIFO as the settings file: --smoke-test exits $(status fifo)"
grep -q "not a regular file" "$configs/fifo.err" || fail "a FIFO as the settings file is not reported"
(($(status normal) == 124)) || fail "a normal start ended by itself with $(status normal)"
grep -qx "language=en" "$(settings normal)" && grep -qx "zoom=1.5" "$(settings normal)" ||
  fail "a normal start did not store --lang en --zoom 150%"
grep -q "could not be remembered" "$configs/lockdir.err" ||
  fail "a folder as the settings' lock: the failed save is not reported"
[[ ! -e "$(settings lockdir)" ]] || fail "a folder as the settings' lock: stored all the same"
grep -q "could not be remembered" "$configs/link.err" || fail "a linked settings file: the refusal is not reported"
[[ -L "$(settings link)" && "$(cat "$configs/victim")" == "keep" ]] || fail "the settings were written through a link"

((failures == 0)) && echo "command lines: $# programs follow the conventions"
exit $((failures > 0))
