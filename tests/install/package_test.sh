#!/usr/bin/env bash
# The Debian package, made by cpack from this build tree (no rebuild) and unpacked into a
# temporary root: its name and control fields, the files where Debian wants them, and the
# programs running from there. Skipped (77) where the Debian package tools are missing.
#
#   bash package_test.sh <build folder> <project version>
set -euo pipefail
build=$1
version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "package test skipped: $tool is missing (cpack comes with cmake, the dpkg tools with dpkg-dev)"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# gzip is quicker than the release's xz for the test build's larger programs.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$work/out/lumina-graph_${version}_$arch.deb
[[ -f $deb ]] || fail "no $(basename "$deb"): $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == lumina-graph ]] || fail "Package: $(field Package)"
[[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version)"
[[ "$(field Architecture)" == "$arch" ]] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
# The fonts by hand, the libraries by dpkg-shlibdeps.
for package in fonts-ipafont-gothic fonts-ipafont-mincho libqt6gui6 libfreetype6 libharfbuzz0b \
    libc6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
for file in bin/lumina-graph bin/lumina-cli share/lumina-graph/Manual.pdf \
    share/man/man1/lumina-graph.1.gz share/man/man1/lumina-cli.1.gz \
    share/bash-completion/completions/lumina-cli \
    share/applications/org.morvaneth.LuminaGraph.desktop \
    share/metainfo/org.morvaneth.LuminaGraph.metainfo.xml \
    share/icons/hicolor/scalable/apps/lumina-graph.svg \
    share/doc/lumina-graph/copyright share/doc/lumina-graph/changelog.gz; do
    [[ -s $usr/$file ]] || fail "/usr/$file is not in the package"
done
outside=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z "$outside" ]] || fail "files outside /usr: $outside"
[[ ! -e $usr/bin/Manual.pdf ]] || fail "the manual is among the programs"
latest=$(zcat "$usr/share/doc/lumina-graph/changelog.gz" | sed -n '1s/^lumina-graph (\([^)]*\)).*/\1/p')
[[ "$latest" == "$version" ]] || fail "the changelog's latest entry is $latest, not $version"

# The programs run from the unpacked root.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)
export LD_LIBRARY_PATH="$usr/lib/$multiarch:$usr/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
[[ "$("$usr/bin/lumina-cli" --version)" == "lumina-cli $version" ]] || fail "lumina-cli --version"
[[ "$("$usr/bin/lumina-cli" code 漢)" == $'35519\n0x8ABF' ]] || fail "lumina-cli code 漢"
[[ "$("$usr/bin/lumina-graph" --version)" == "lumina-graph $version" ]] || fail "lumina-graph --version"
echo "package test: $(basename "$deb"), $(dpkg-deb -c "$deb" | grep -vc '/$') files"
