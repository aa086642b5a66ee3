#!/usr/bin/env bash
# lumina-cli art: a run over the photograph fixture, its figures, the two exports, the
# limits and the usage errors.
set -euo pipefail
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
photo=${LUMINA_TEST_DATA:-$here/../data}/art/raccoon.png
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

value() { sed -n "s/^$1=//p" <<<"$2"; }
png_size() { # width x height from the IHDR chunk
    local b
    read -ra b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

out=$("$cli" art "$photo" --text "$work/a.txt" --image "$work/a.png" --progress 2>"$work/err")
for name in outH drawW drawH cols rows range cellW cellH elapsed; do
    [[ -n "$(value $name "$out")" ]] || fail "no $name in: $out"
done
cols=$(value cols "$out"); rows=$(value rows "$out")
cellW=$(value cellW "$out"); cellH=$(value cellH "$out")
drawW=$(value drawW "$out"); drawH=$(value drawH "$out")
[[ $(value outH "$out") -eq 750 ]] || fail "outH of 256 x 192 at 1000 wide"
[[ $drawW -eq $((cols * cellW)) && $drawH -eq $((rows * cellH)) ]] || fail "draw size: $out"
[[ $(value range "$out") -eq $((256 / cols)) ]] || fail "range: $out"
[[ "$(value elapsed "$out")" =~ ^[0-9][0-9]:[0-9][0-9]$ ]] || fail "elapsed format"
[[ $(stat -c %s "$work/a.txt") -eq $((rows * (cols * 2 + 2))) ]] || fail "text size"
[[ "$(od -An -tx1 -j$(($(stat -c %s "$work/a.txt") - 2)) "$work/a.txt" | tr -d ' ')" == 0d0a ]] ||
    fail "text lines end in CR LF"
iconv -f CP932 -t UTF-8 "$work/a.txt" >/dev/null || fail "text is code page 932"
[[ "$(png_size "$work/a.png")" == "${drawW}x${drawH}" ]] || fail "image at the drawn size"
grep -q "$rows/$rows" "$work/err" || fail "progress reaches the last row"

# The picture's own aspect at the requested width; the extension is case-blind.
"$cli" art "$photo" --image "$work/b.PNG" --picture-size >/dev/null
[[ "$(png_size "$work/b.PNG")" == "1000x750" ]] || fail "--picture-size"

# Digits only, monochrome: every character is a full-width digit.
"$cli" art "$photo" --classes num --mono --char-colour 0x0000FF --text "$work/d.txt" >/dev/null
# Codes 0x824F..0x8258, two bytes each, and the CR LF of every row.
others=$(od -An -tu1 -v "$work/d.txt" | tr -s ' ' '\n' | grep -v '^$' | awk '
    $1 == 13 || $1 == 10 { next }
    $1 == 130 { getline t; if (t >= 79 && t <= 88) next; print $1 "," t; next }
    { print $1 }' | head -3)
[[ -z "$others" ]] || fail "only digits expected, found bytes: $others"

# The settings' limits: an output width of 500 is the narrowest (out of range is refused below).
out=$("$cli" art "$photo" --out-width 500 --size 72 --brightness 1)
[[ $(value outH "$out") -eq 375 ]] || fail "--out-width 500"

# Random angles and a turned font still give complete art.
out=$("$cli" art "$photo" --random --angle 30 --bold --italic --text "$work/r.txt")
[[ $(stat -c %s "$work/r.txt") -eq $(($(value rows "$out") * ($(value cols "$out") * 2 + 2))) ]] ||
    fail "random run text size"

# The tone modes and error diffusion change the characters; --cells says why, cell by cell.
"$cli" art "$photo" --text "$work/none.txt" >/dev/null
for tone in stretch equalize; do
    out=$("$cli" art "$photo" --mono --tone $tone --dither --text "$work/$tone.txt" \
        --cells "$work/$tone.csv")
    cmp -s "$work/none.txt" "$work/$tone.txt" && fail "--tone $tone changed nothing"
    cells=$(($(value cols "$out") * $(value rows "$out")))
    [[ $(wc -l <"$work/$tone.csv") -eq $((cells + 1)) ]] || fail "--cells: one line a cell"
    [[ "$(head -1 "$work/$tone.csv")" == \
        $'row,column,wanted,character,code,density,runner_up,runner_up_density\r' ]] ||
        fail "--cells header: $(head -1 "$work/$tone.csv")"
    # The second line is the top-left cell, and its character is the text's first.
    first=$(head -c2 "$work/$tone.txt" | iconv -f CP932 -t UTF-8)
    [[ "$(sed -n 2p "$work/$tone.csv" | cut -d, -f1,2,4)" == "0,0,$first" ]] ||
        fail "--cells first cell: $(sed -n 2p "$work/$tone.csv")"
done
"$cli" art "$photo" --tone none --text "$work/none2.txt" >/dev/null
cmp -s "$work/none.txt" "$work/none2.txt" || fail "--tone none is the default"

# An extension without an encoder is refused and writes nothing.
set +e
err=$("$cli" art "$photo" --image "$work/c.jpg" 2>&1 >/dev/null); rc=$?
set -e
[[ $rc -eq 1 ]] || fail "jpg exit $rc"
[[ ! -e "$work/c.jpg" ]] || fail "jpg written"
[[ "$err" == *"メモリの確保に失敗しました"* ]] || fail "jpg message: $err"

for bad in "--size abc" "--out-width 100" "--size 300" "--brightness 0" "--classes num,foo" \
    "--picture-size" "--text" "--nosuch" "$photo $photo" "--tone sideways" "--tone" "--cells"; do
    set +e
    # shellcheck disable=SC2086
    err=$("$cli" art "$photo" $bad 2>&1 >/dev/null); rc=$?
    set -e
    [[ $rc -eq 2 ]] || fail "'$bad' exited $rc"
    [[ "$err" == *"usage: lumina-cli art"* ]] || fail "'$bad' printed no usage"
done
set +e
"$cli" art "$photo" --cells "$work/no/such/cells.csv" >/dev/null 2>&1
[[ $? -eq 1 ]] || fail "--cells into a missing folder"
"$cli" art >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "no input"
"$cli" art "$work/missing.png" >/dev/null 2>&1; [[ $? -eq 1 ]] || fail "missing picture"
"$cli" art "$here/art.sh" >/dev/null 2>&1; [[ $? -eq 1 ]] || fail "not a picture"
set -e
echo "art.sh: all passed"
