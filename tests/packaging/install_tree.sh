#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a scratch prefix and checks it as a
# desktop user meets it: every file in its place, the desktop entry and the
# AppStream metadata valid, and the installed program, started from an empty
# folder, finding its installed catalogue and drawing a full cycle. The
# scratch prefix is not /usr, so this also shows that a moved install works.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
id=org.pelmora.Airfoil

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/pelmora-airfoil
  bin/airfoil-probe
  share/pelmora-airfoil/KATPE-D20G15.txt
  "share/applications/$id.desktop"
  "share/icons/hicolor/scalable/apps/$id.svg"
  "share/metainfo/$id.metainfo.xml"
)
status=0
for f in "${expected[@]}"; do
  [[ -f "$prefix/$f" ]] || { echo "not installed: $f"; status=1; }
done
# Nothing else: no tests, tools or build files.
extra="$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))"
[[ -z "$extra" ]] || { echo "installed but not expected:"; echo "$extra"; status=1; }
((status == 0)) || exit 1

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop"
else
  echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
else
  echo "appstreamcli not installed: metadata not validated"
fi

empty="$scratch/empty"
mkdir "$empty"
cd "$empty"
"$prefix/bin/pelmora-airfoil" --smoke-test
"$prefix/bin/airfoil-probe" click=profil >"$scratch/probe.json"
grep -Eq '"messages": *\[ *\]' "$scratch/probe.json" || { echo "airfoil-probe showed a message"; exit 1; }
grep -Eq '"nCatalog": *496' "$scratch/probe.json" || { echo "airfoil-probe read no catalogue"; exit 1; }

# Without the installed copy, and outside the build tree, the program says
# the catalogue is missing.
rm "$prefix/share/pelmora-airfoil/KATPE-D20G15.txt"
if "$prefix/bin/pelmora-airfoil" --smoke-test >"$scratch/missing.txt"; then
  echo "the smoke test passed without a catalogue"; exit 1
fi
grep -q "message: KATPE-D20G15.txt dosyası bulunamadı" "$scratch/missing.txt" ||
  { cat "$scratch/missing.txt"; exit 1; }
echo "install tree: ${#expected[@]} files in place, validators pass, installed program draws from an empty folder"
