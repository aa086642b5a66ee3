#!/usr/bin/env bash
# lumina-cli render: each picture as a PNG of the view's size, the counts and the ink ratio.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Width and height from a PNG's IHDR.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

for mode in outline bitmap drawing; do
    out=$("$cli" render --char あ --mode "$mode" -o "$tmp/$mode.png")
    [[ "$out" =~ ^counts=[0-9]+\([0-9]+\)$'\n'ink=[0-9]+%$ ]] || fail "$mode printed: $out"
    [[ "$(head -c 8 "$tmp/$mode.png" | od -An -tx1 | tr -d ' ')" == 89504e470d0a1a0a ]] \
        || fail "$mode is not a PNG"
    [[ "$(png_size "$tmp/$mode.png")" == 800x600 ]] || fail "$mode is not 800x600"
done
cmp -s "$tmp/outline.png" "$tmp/drawing.png" && fail "outline and drawing are the same picture"

out=$("$cli" render --char A --mode drawing --view 320x200 --origin 10,20 --hide DspNo,DspCenter \
    -o "$tmp/small.png")
[[ "$(png_size "$tmp/small.png")" == 320x200 ]] || fail "--view"
[[ "$out" == *"counts="* ]] || fail "no counts"
# Hiding a switch changes the picture.
"$cli" render --char A --mode drawing --view 320x200 --origin 10,20 --hide DspNo -o "$tmp/c.png" >/dev/null
cmp -s "$tmp/small.png" "$tmp/c.png" && fail "--hide DspCenter changed nothing"

# Each study switch changes the outline picture; without them it is the plain one, and
# --unhinted is --hinting off.
"$cli" render --char 永 --size 40 --mode outline -o "$tmp/plain.png" >/dev/null
for study in --curves --font-points --spread-numbers "--hinting compare" "--hinting off" \
    "--zoom 4" "--zoom 2 --pan 30,-20"; do
    # shellcheck disable=SC2086
    out=$("$cli" render --char 永 --size 40 --mode outline $study -o "$tmp/study.png")
    cmp -s "$tmp/plain.png" "$tmp/study.png" && fail "$study changed nothing"
    [[ "$out" == "counts="* ]] || fail "$study printed: $out"
done
"$cli" render --char 永 --size 40 --mode outline --hinting on --zoom 1 -o "$tmp/on.png" >/dev/null
cmp -s "$tmp/plain.png" "$tmp/on.png" || fail "--hinting on --zoom 1 is not the plain picture"
"$cli" render --char 永 --size 40 --mode outline --hinting off -o "$tmp/off.png" >/dev/null
"$cli" render --char 永 --size 40 --mode outline --unhinted -o "$tmp/unhinted.png" >/dev/null
cmp -s "$tmp/off.png" "$tmp/unhinted.png" || fail "--unhinted is not --hinting off"
# The font's own points are counted as the font stores them.
out=$("$cli" render --char 永 --size 40 --mode outline --font-points -o "$tmp/fp.png")
plain=$("$cli" render --char 永 --size 40 --mode outline -o "$tmp/plain.png")
[[ "$out" != "$plain" ]] || fail "the font's points counted as the vertices: $out"
"$cli" render --char 永 --size 10 --mode bitmap --zoom 16 -o "$tmp/grid.png" >/dev/null
"$cli" render --char 永 --size 10 --mode bitmap -o "$tmp/small.png" >/dev/null
cmp -s "$tmp/grid.png" "$tmp/small.png" && fail "--zoom changed no bitmap"
# Each character beyond code page 932 is drawn as itself (𠮷, which IPAGothic lacks, as its
# missing glyph), not as the code page 932 character of the default code.
"$cli" render --char 𠮟 --mode drawing --view 320x200 -o "$tmp/shikaru.png" >/dev/null
"$cli" render --char 𠮷 --mode drawing --view 320x200 -o "$tmp/yoshi.png" >/dev/null
cmp -s "$tmp/shikaru.png" "$tmp/yoshi.png" && fail "𠮟 and 𠮷 drawn alike"

# The typesetting options: each changes its pictures; --compare reports the second face.
for mode in outline bitmap drawing; do
    "$cli" render --char ー --size 40 --mode $mode -o "$tmp/bar.png" >/dev/null
    for faces in "--compare IPAMincho" "--compare IPAMincho --compare-bold" "--vertical"; do
        # shellcheck disable=SC2086
        "$cli" render --char ー --size 40 --mode $mode $faces -o "$tmp/faces.png" >/dev/null
        cmp -s "$tmp/bar.png" "$tmp/faces.png" && fail "$mode: $faces changed nothing"
    done
done
"$cli" render --char 漢 --size 40 --mode drawing -o "$tmp/kan.png" >/dev/null
"$cli" render --char 漢 --size 40 --mode drawing --frames -o "$tmp/frames.png" >/dev/null
cmp -s "$tmp/kan.png" "$tmp/frames.png" && fail "--frames changed nothing"
out=$("$cli" render --char 漢 --size 40 --mode outline --compare IPAMincho -o "$tmp/c.png")
[[ "$out" == *$'\ncompare.face=IPAMincho\ncompare.tmAscent='*"compare.gmCellIncX="* ]] ||
    fail "--compare printed: $out"

set +e
for bad in "--mode outline --compare" "--mode outline --compare-bold" \
    "--mode outline --compare-italic --frames"; do
    # shellcheck disable=SC2086
    "$cli" render --char あ $bad -o "$tmp/x.png" >/dev/null 2>&1
    [[ $? -eq 2 ]] || fail "'$bad' was accepted"
done
for bad in "--mode sideways" "--hide DspNothing" "--view 0x10" "--origin 1" "" \
    "--mode outline --zoom 0" "--mode outline --zoom 65" "--mode outline --hinting maybe" \
    "--mode outline --pan 1" "--mode outline --pan 1,x" "--mode outline --zoom"; do
    # shellcheck disable=SC2086
    "$cli" render --char あ $bad -o "$tmp/x.png" >/dev/null 2>&1
    [[ $? -eq 2 ]] || fail "'$bad' was accepted"
done
err=$("$cli" render --code 32 --mode outline -o "$tmp/space.png" 2>&1 >/dev/null)
[[ $? -eq 1 ]] || fail "a space"
set -e
[[ "$err" == *"描画する折点がありません"* ]] || fail "no 30066 text: $err"
[[ ! -e "$tmp/space.png" ]] || fail "a picture was written for a space"
echo "render.sh: all passed"
