#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks that what lands there is a
# complete desktop application: both programs, the manual beside them, the menu entry with its
# Japanese name, the icon and the software-centre description, each accepted by its validator.
#
#   bash install_test.sh <build folder>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

bin=$prefix/bin
apps=$prefix/share/applications
desktop=$apps/org.morvaneth.LuminaGraph.desktop
metainfo=$prefix/share/metainfo/org.morvaneth.LuminaGraph.metainfo.xml
icons=$prefix/share/icons/hicolor/scalable/apps

for program in lumina-graph lumina-cli; do
    [[ -f $bin/$program && -x $bin/$program ]] || fail "$program is not installed as a program"
done
for file in "$bin/Manual.pdf" "$desktop" "$metainfo" "$icons/lumina-graph.svg"; do
    [[ -s $file ]] || fail "${file#"$prefix"/} is missing or empty"
done

# The manual: a real multi-page PDF with its Japanese faces embedded.
pages=$(pdfinfo "$bin/Manual.pdf" | awk '/^Pages:/ { print $2 }')
[[ ${pages:-0} -gt 1 ]] || fail "Manual.pdf has ${pages:-no} pages"
fonts=$(pdffonts "$bin/Manual.pdf" | tail -n +3)
for face in IPAGothic IPAMincho; do
    grep -E "^$face .* yes +(yes|no) +(yes|no) " <<<"$fonts" >/dev/null ||
        fail "Manual.pdf does not embed $face"
done
if grep -E ' no +(yes|no) +(yes|no) +[0-9]+ +[0-9]+$' <<<"$fonts" >/dev/null; then
    fail "Manual.pdf uses a face it does not embed: $fonts"
fi

# The menu entry.
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
grep -qx 'Name\[ja\]=ルミナ・グラフ' "$desktop" || fail "the menu entry has no Japanese name"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $bin/$exec_name ]] || fail "the menu entry starts '$exec_name', which is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[[ -f $icons/$icon_name.svg ]] || fail "the menu entry's icon '$icon_name' is not installed"

# The icon is a well-formed SVG document.
/usr/bin/python3 - "$icons/lumina-graph.svg" <<'PY' || fail "the icon is not an SVG document"
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "{http://www.w3.org/2000/svg}svg", root.tag
PY

# The software-centre description, pointing at the installed menu entry.
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo file"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[[ -f $apps/$launchable ]] || fail "the metainfo launches '$launchable', which is not installed"

echo "install test: $(find "$prefix" -type f | wc -l) files installed and checked"
