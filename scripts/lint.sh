#!/usr/bin/env bash
# Static checks of the project's own code: clang-format with .clang-format,
# clang-tidy with the checks in .clang-tidy, then cppcheck. Fails on any
# finding.
# Last, lupdate in check mode: the English translation has a finished entry
# for every text the sources mark for translation.
#   LINT_FORMAT=0, LINT_TIDY=0, LINT_CPPCHECK=0 or LINT_TS=0 skips one check.
# clang-tidy reads the compile commands of a configure-only build in
# build-lint/ (Clang, with the window, tests, benchmarks and fuzz targets).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${AIRFOIL_LINT_DIR:-$root/build-lint}"
jobs="${JOBS:-$(nproc)}"
cd "$root"

# The project's sources, committed or new, never a build directory.
sources() {
  git ls-files -co --exclude-standard -- model charts ui tools fuzz bench tests | grep -E "$1" || true
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0

if [[ ${LINT_FORMAT:-1} != 0 ]]; then
  unformatted=()
  while IFS= read -r f; do
    clang-format "$f" | cmp -s - "$f" || unformatted+=("$f")
  done < <(sources '\.(cpp|h)$')
  if ((${#unformatted[@]})); then
    for f in "${unformatted[@]}"; do echo "lint: not formatted: $f (clang-format -i $f)"; done
    status=1
  else
    echo "lint: clang-format clean"
  fi
fi

if [[ ${LINT_TIDY:-1} != 0 ]]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DAIRFOIL_BUILD_UI=ON \
    -DAIRFOIL_BUILD_TESTS=ON -DAIRFOIL_BUILD_BENCH=ON -DAIRFOIL_FUZZ=ON >/dev/null
  echo "lint: clang-tidy on $(sources '\.cpp$' | wc -l) files"
  if sources '\.cpp$' | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet >"$work/tidy.log" 2>&1; then
    echo "lint: clang-tidy clean"
  else
    grep -vE '^[0-9]+ (warnings?|errors?)( and [0-9]+ errors?)? generated\.$' "$work/tidy.log" || true
    echo "lint: clang-tidy found problems"
    status=1
  fi
fi

if [[ ${LINT_CPPCHECK:-1} != 0 ]]; then
  # cppcheck 2.10 stops at identifiers outside ASCII (basınc_hesapla), so it
  # reads a scratch copy with the dotless i spelt as i; paths and line
  # numbers stay those of the tree.
  copy="$work/src"
  while IFS= read -r f; do
    mkdir -p "$copy/$(dirname "$f")"
    sed 's/ı/i/g' "$f" >"$copy/$f"
  done < <(sources '\.(cpp|h)$')
  echo "lint: cppcheck"
  # Suppressed false positives:
  # - CastIntegerToAddressAtReturn in the shell's headers: cppcheck takes
  #   the element of a std::array of widget pointers (and a QPointer) for an
  #   integer.
  if (cd "$copy" && cppcheck --enable=warning,performance,portability --error-exitcode=1 \
        --std=c++20 --language=c++ -I . --library=googletest --library=qt --library=posix \
        --inline-suppr --suppress=missingIncludeSystem \
        --suppress="CastIntegerToAddressAtReturn:ui/qt/*" \
        --quiet -j "$jobs" model charts ui tools fuzz bench tests); then
    echo "lint: cppcheck clean"
  else
    echo "lint: cppcheck found problems"
    status=1
  fi
fi

if [[ ${LINT_TS:-1} != 0 ]]; then
  # lupdate merges the texts it finds into a scratch copy; a text with no
  # translation, or whose source was changed or garbled in the .ts, comes
  # out unfinished. Texts the window translates at run time without a mark
  # (the designed texts, the model's messages) are not found and stay.
  lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
  cp translations/pelmora-airfoil_en.ts "$work/check.ts"
  "$lupdate" -silent -locations none model charts ui tools -ts "$work/check.ts" >"$work/lupdate.log" 2>&1
  missing="$(grep -B2 'type="unfinished"' "$work/check.ts" | grep -o '<source>.*</source>' || true)"
  if [[ -n $missing ]]; then
    echo "lint: texts without an English translation in translations/pelmora-airfoil_en.ts:"
    echo "$missing"
    status=1
  else
    echo "lint: translation covers every marked text"
  fi
fi

exit "$status"
