#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks that what lands there is a
# complete desktop application: both programs, the manual in the data folder, the manual pages
# (saying what --help says), the bash completion, the menu entry with its Japanese name, the
# icon and the software-centre description, each accepted by its validator.
#
#   bash install_test.sh <build folder> <project version>
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

bin=$prefix/bin
data=$prefix/share/lumina-graph
man1=$prefix/share/man/man1
completion=$prefix/share/bash-completion/completions/lumina-cli
apps=$prefix/share/applications
desktop=$apps/org.morvaneth.LuminaGraph.desktop
metainfo=$prefix/share/metainfo/org.morvaneth.LuminaGraph.metainfo.xml
icons=$prefix/share/icons/hicolor/scalable/apps

for program in lumina-graph lumina-cli; do
    [[ -f $bin/$program && -x $bin/$program ]] || fail "$program is not installed as a program"
done
for file in "$data/Manual.pdf" "$man1/lumina-graph.1.gz" "$man1/lumina-cli.1.gz" "$completion" \
    "$desktop" "$metainfo" "$icons/lumina-graph.svg" "$prefix/share/doc/lumina-graph/copyright"; do
    [[ -s $file ]] || fail "${file#"$prefix"/} is missing or empty"
done
extra=$(find "$bin" -type f ! -name lumina-graph ! -name lumina-cli)
[[ -z "$extra" ]] || fail "data among the programs: $extra"
[[ "$("$bin/lumina-cli" --version)" == "lumina-cli $version" ]] || fail "lumina-cli --version"

# The manual: a real multi-page PDF with its Japanese faces embedded.
pages=$(pdfinfo "$data/Manual.pdf" | awk '/^Pages:/ { print $2 }')
[[ ${pages:-0} -gt 1 ]] || fail "Manual.pdf has ${pages:-no} pages"
fonts=$(pdffonts "$data/Manual.pdf" | tail -n +3)
for face in IPAGothic IPAMincho; do
    grep -E "^$face .* yes +(yes|no) +(yes|no) " <<<"$fonts" >/dev/null ||
        fail "Manual.pdf does not embed $face"
done
if grep -E ' no +(yes|no) +(yes|no) +[0-9]+ +[0-9]+$' <<<"$fonts" >/dev/null; then
    fail "Manual.pdf uses a face it does not embed: $fonts"
fi

# The manual pages: formatted without a warning, with a whatis line, the version, and every
# option the programs' --help lists (for lumina-cli, in the section of its command).
render_page() {
    LC_ALL=C.UTF-8 MANWIDTH=250 man -E UTF-8 -l "$1" 2>&1 | sed 's/.\x08//g'
}
for page in lumina-graph lumina-cli; do
    file=$man1/$page.1.gz
    gzip -t "$file" || fail "$page.1.gz is not gzip data"
    warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "$page.1 has formatting warnings: $warnings"
    lexgrog "$file" >/dev/null || fail "$page.1 has no whatis line"
    grep -q "Lumina Graph $version" <<<"$(render_page "$file")" || fail "$page.1 lacks the version"
done
graph_page=$(render_page "$man1/lumina-graph.1.gz")
for option in $("$bin/lumina-graph" --help | sed -n 's/^  \(-[^ ]*\).*/\1/p'); do
    grep -qe "$option" <<<"$graph_page" || fail "lumina-graph.1 does not describe $option"
done
cli_page=$(render_page "$man1/lumina-cli.1.gz")
commands=$("$bin/lumina-cli" --help | sed -n '/^commands:$/,/^$/ s/^  \([a-z]\+\) .*/\1/p')
for command in $commands; do
    # The command's subsection: from its heading to the next heading.
    section=$(awk -v c="   $command" '$0 == c { on = 1; next }
                                       on && (/^   [a-z]+$/ || /^[A-Z]/) { exit } on' <<<"$cli_page")
    [[ -n "$section" ]] || fail "lumina-cli.1 has no section for $command"
    for option in $("$bin/lumina-cli" "$command" --help | sed -n 's/^  \([^ ]*\).*/\1/p'); do
        grep -qe "^ *$option\b" <<<"$section" || fail "lumina-cli.1 does not describe $command $option"
    done
done

# The completion is a bash script that completes lumina-cli.
bash -n "$completion" || fail "the completion is not valid bash"
bash -c 'source "$1" && complete -p lumina-cli' _ "$completion" >/dev/null ||
    fail "the completion does not complete lumina-cli"

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
newest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n1)
[[ "$newest" == "$version" ]] || fail "the metainfo's newest release is $newest, not $version"

echo "install test: $(find "$prefix" -type f | wc -l) files installed and checked"
