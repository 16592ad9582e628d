#!/usr/bin/env bash
# Compares the boundary layer's drag and transition with the viscous panel
# solution of Debian's xfoil package (Ncrit 9, free transition) on the
# program's own section coordinates: several sections 6 to 18 % thick,
# symmetric and cambered, at Re 1e6 and 3e6 and alpha -4 to 4 degrees.
# Prints a Markdown table and fails unless at least 80 % of the cases have CD
# within 20 %, the median CD error is within 12 % and at least 75 % of the
# transition points lie within 0.15 c.
#
# usage: compare-xfoil.sh PROBE CATALOGUE [TABLE.md]
set -euo pipefail
probe="$1"
catalogue="$2"
table_out="${3:-}"
command -v xfoil >/dev/null || { echo "compare-xfoil: xfoil is not installed" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

sections=("6 0" "9 2" "12 0" "12 4" "15 2" "18 0" "18 4")
reynolds=(1e6 3e6)
alphas=(-4 -2 0 2 4)

# A value of the report's boundary_layer object (its first occurrence: the
# polar comes after the case's own numbers).
bl_value() { awk -v key="\"$2\":" '/"boundary_layer":/ {in_bl = 1} in_bl && $1 == key {gsub(",", "", $2); print $2; exit}' "$1"; }

# xfoil's viscous solution of one case, as "cd xtr_top xtr_bottom", or
# nothing when it does not converge. Its graphics are switched off (PLOP G F);
# the panel count comes from a settings file, since its paneling menu and its
# polar accumulation both stop on a floating-point trap with graphics off.
# Every case is a fresh session: INIT before a first point stops it too.
run_xfoil() {
  local dat="$1" re="$2" alpha="$3" panels="$4" log="$work/xfoil.log"
  sed "1s/^ *[0-9]*/$(printf %6d "$panels")/" "$work/settings.def" >"$work/xfoil.def"
  # Fortran's own buffering would lose the output when xfoil ends on a trap
  # while quitting.
  (cd "$work" && GFORTRAN_UNBUFFERED_ALL=y timeout 60 xfoil >"$log" 2>&1 <<XFOIL) 2>/dev/null || true
Y
PLOP
G F

LOAD $dat
PANE
OPER
VISC $re
VPAR
N 9

ITER 300
ALFA $alpha

QUIT
XFOIL
  grep -q "Convergence failed" "$log" && return 0
  awk '/CD =/ {cd = $6} /Side 1 .*transition at/ {top = $8} /Side 2 .*transition at/ {bottom = $8}
       END {if (cd != "" && top != "" && bottom != "") print cd, top, bottom}' "$log"
}

# xfoil writes its current settings, the panel count first, to be edited.
(cd "$work" && printf 'PLOP\nG F\n\nWDEF settings.def\n\nQUIT\n' |
  GFORTRAN_UNBUFFERED_ALL=y xfoil >/dev/null 2>&1) 2>/dev/null || true
[[ -s "$work/settings.def" ]] || { echo "compare-xfoil: xfoil wrote no settings file" >&2; exit 1; }

rows="$work/rows"
: >"$rows"
for section in "${sections[@]}"; do
  read -r t c <<<"$section"
  "$probe" --catalogue "$catalogue" --export "$work/ex" "thickness=$t" "camber=$c" np=101 >/dev/null 2>&1
  # xfoil wants the outline from the trailing edge over the top; the exported
  # points run from the trailing edge under the bottom. The two end points are
  # the cusp itself, whose zero angle xfoil's panel solution cannot take: the
  # outline starts at the next points, a gap of a few hundred-thousandths.
  dat="$work/s${t}_${c}.dat"
  {
    echo "t${t}c${c}"
    tail -n +3 "$work/ex/section.csv" | head -n -1 | awk -F, '{print $2, $3}' | tac
  } >"$dat"
  for re in "${reynolds[@]}"; do
    for a in "${alphas[@]}"; do
      row=""
      for panels in 160 200 240 280; do
        row="$(run_xfoil "$dat" "$re" "$a" "$panels")"
        [[ -n "$row" ]] && break
      done
      "$probe" --catalogue "$catalogue" "thickness=$t" "camber=$c" "alfa=$a" "re=$re" >"$work/bl.json"
      echo "$t $c $re $a $(bl_value "$work/bl.json" cd) $(bl_value "$work/bl.json" xtr_upper)" \
        "$(bl_value "$work/bl.json" xtr_lower) ${row:-none}" >>"$rows"
    done
  done
done

# Columns: t c re alpha cd xtr_up xtr_lo | xfoil: cd xtr_top xtr_bot.
awk -v out="$table_out" '
function abs(x) { return x < 0 ? -x : x }
BEGIN {
  print "| section | Re | alpha | CD here | CD xfoil | error | x_tr upper here / xfoil | x_tr lower here / xfoil |"
  print "|---|---|---|---|---|---|---|---|"
}
{
  section = $1 " % / " $2 " %"
  if ($8 == "none") {
    printf "| %s | %s | %d | %.5f | no convergence | | %.3f / | %.3f / |\n", section, $3, $4, $5, $6, $7
    next
  }
  cases++
  err = ($5 - $8) / $8
  errors[cases] = abs(err)
  if (abs(err) <= 0.20) within++
  if (abs($6 - $9) <= 0.15) tr_ok++
  if (abs($7 - $10) <= 0.15) tr_ok++
  printf "| %s | %s | %d | %.5f | %.5f | %+.1f %% | %.3f / %.3f | %.3f / %.3f |\n",
         section, $3, $4, $5, $8, 100 * err, $6, $9, $7, $10
}
END {
  if (cases == 0) { print "no case converged in xfoil"; exit 1 }
  n = asort_(errors, cases)
  median = (cases % 2) ? sorted[(cases + 1) / 2] : (sorted[cases / 2] + sorted[cases / 2 + 1]) / 2
  share_cd = within / cases
  share_tr = tr_ok / (2 * cases)
  printf "\n%d cases compared: CD within 20 %% in %.0f %%, median CD error %.1f %%, transition within 0.15 c in %.0f %% of the points.\n",
         cases, 100 * share_cd, 100 * median, 100 * share_tr
  ok = share_cd >= 0.80 && median <= 0.12 && share_tr >= 0.75
  if (!ok) { print "compare-xfoil: the boundary layer is outside the agreement asked for" > "/dev/stderr"; exit 1 }
}
# An insertion sort of a[1..n] into sorted[]: mawk has no asort.
function asort_(a, n,   i, j, v) {
  for (i = 1; i <= n; i++) sorted[i] = a[i]
  for (i = 2; i <= n; i++) { v = sorted[i]; for (j = i - 1; j >= 1 && sorted[j] > v; j--) sorted[j + 1] = sorted[j]; sorted[j + 1] = v }
  return n
}' "$rows" | tee "${table_out:-/dev/null}"
