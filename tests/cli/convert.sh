#!/usr/bin/env bash
# lumina-cli convert: the picture load and the encoders, end to end.
set -euo pipefail
cli=$1
data=${LUMINA_TEST_DATA:-$(cd "$(dirname "$0")/../data" && pwd)}/images
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
have_identify=0
command -v identify >/dev/null 2>&1 && have_identify=1

# A keyed 32-bit bitmap: its key and the size of its 32-bit bitmap file.
got=$("$cli" convert "$data/bmp32_red_key.bmp" "$out/key.png")
[[ "$got" == $'width=8\nheight=6\nbyteSize=246\nkeyColour=0x0000FF' ]] || fail "bmp32: $got"
[[ -s "$out/key.png" ]] || fail "key.png not written"

# A 300 dpi JPEG keeps its pixel size; its byte size is the file's; --size stretches.
size=$(stat -c %s "$data/photo.JPG")
got=$("$cli" convert "$data/photo.JPG" "$out/photo.GIF" --size 32x24)
[[ "$got" == $'width=16\nheight=12\nbyteSize='"$size"$'\nkeyColour=-1' ]] || fail "jpeg: $got"
if [[ $have_identify -eq 1 ]]; then
    [[ "$(identify -format '%w %h %m' "$out/photo.GIF")" == "32 24 GIF" ]] || fail "photo.GIF"
fi

# Every encoder, read back by another decoder at the requested size.
for ext in jpeg png bmp tiff gif JPEG; do
    "$cli" convert "$data/rgba_bkgd_red.png" "$out/art.$ext" --size 20x10 >/dev/null ||
        fail "convert to .$ext"
    if [[ $have_identify -eq 1 ]]; then
        [[ "$(identify -format '%w %h' "$out/art.$ext")" == "20 10" ]] || fail "art.$ext size"
    fi
done
got=$("$cli" convert "$data/rgba_bkgd_red.png" "$out/red.png")
[[ "$got" == *"keyColour=0x0000FF"* ]] || fail "bKGD key: $got"

# Failures: exit 1 with the program's own message on stderr.
expect_failure() {
    local want=$1
    shift
    set +e
    err=$("$cli" convert "$@" 2>&1 >/dev/null)
    rc=$?
    set -e
    [[ $rc -eq 1 ]] || fail "convert $* exited $rc"
    [[ "$err" == *"$want"* ]] || fail "convert $*: '$err' lacks '$want'"
}
expect_failure "メモリの確保に失敗しました" "$data/opaque.png" "$out/no-encoder.jpg"
[[ ! -e "$out/no-encoder.jpg" ]] || fail ".jpg was written"
expect_failure "メモリの確保に失敗しました" "$data/opaque.png" "$out/no-extension"
# A path that cannot be written says which path and why.
expect_failure "cannot write $out/missing/folder.png: No such file or directory" \
    "$data/opaque.png" "$out/missing/folder.png"
mkdir "$out/folder.png"
expect_failure "cannot write $out/folder.png: a folder is in the way" "$data/opaque.png" \
    "$out/folder.png"
expect_failure "イメージ以外はセットできません" "$data/archive.tar.gz" "$out/a.png"
expect_failure "cannot load" "$data/truncated_opaque.png" "$out/b.png"
expect_failure "$data/missing.png: ファイルのオープンに失敗しました (No such file or directory)" \
    "$data/missing.png" "$out/c.png"
expect_failure "イメージが大きすぎます" "$data/huge_header.png" "$out/d.png"

# Usage errors: exit 2.
for args in "" "$data/opaque.png" "$data/opaque.png $out/e.png --size 0x5" \
    "$data/opaque.png $out/e.png --size 5" "$data/opaque.png $out/e.png --bogus"; do
    set +e
    # shellcheck disable=SC2086
    "$cli" convert $args >/dev/null 2>&1
    rc=$?
    set -e
    [[ $rc -eq 2 ]] || fail "convert $args exited $rc"
done
echo "convert.sh: all passed"
