#!/usr/bin/env bash
# lumina-cli bits: the bit picture with default and given strings, and what it refuses.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cli" bits --char あ --size 20 >"$tmp/a.txt"
"$cli" bits --char あ --size 20 -o "$tmp/a-file.txt"
cmp -s "$tmp/a.txt" "$tmp/a-file.txt" || fail "stdout and -o differ"
lines=$(wc -l <"$tmp/a.txt")
[[ $(grep -c $'\r$' "$tmp/a.txt") -eq $lines ]] || fail "lines without CR LF"
# Defaults "1" and "0": every row is the same number of those digits, a multiple of 4 (the
# one-bit bitmap's width rounded up; its black box is its own, not the outline's).
columns=$(head -n1 "$tmp/a.txt" | tr -d '\r\n' | wc -c)
[[ $columns -gt 0 && $((columns % 4)) -eq 0 ]] || fail "rows of $columns columns"
bad=$(tr -d '\r' <"$tmp/a.txt" | grep -Evc "^[01]{$columns}\$" || true)
[[ $bad -eq 0 ]] || fail "$bad rows that are not $columns digits"
[[ $lines -gt 10 ]] || fail "only $lines rows at 20 points"
grep -q 1 "$tmp/a.txt" || fail "no ink"

# Two-byte strings are written in code page 932 and double each row.
"$cli" bits --char あ --size 20 --ink ■ --background □ >"$tmp/sq.txt"
[[ $(wc -c <"$tmp/sq.txt") -eq $((lines * (2 * columns + 2))) ]] || fail "■/□ rows are not doubled"
[[ "$(head -n1 "$tmp/sq.txt" | head -c 2 | od -An -tx1 | tr -d ' ')" == 81a[01] ]] \
    || fail "not code page 932"
# The same rows, with the strings swapped back, as the default picture.
iconv -f CP932 -t UTF-8 <"$tmp/sq.txt" | sed 's/■/1/g; s/□/0/g' | cmp -s - "$tmp/a.txt" \
    || fail "■/□ picture differs from the 1/0 one"

# A character beyond code page 932 (IPAGothic has 𠮟) is pictured all the same.
"$cli" bits --char 𠮟 --size 20 | grep -q 1 || fail "no ink for 𠮟"

set +e
err=$("$cli" bits --char あ --ink 😀 2>&1 >/dev/null)
rc=$?
set -e
[[ $rc -eq 1 ]] || fail "an emoji ink exited $rc"
[[ "$err" == *"シフトJIS"* ]] || fail "no code page 932 refusal: $err"
set +e
"$cli" bits --code 32 >/dev/null 2>&1
[[ $? -eq 1 ]] || fail "a space"
"$cli" bits --char あ --ink >/dev/null 2>&1
[[ $? -eq 2 ]] || fail "--ink without a value"
set -e
# Without the font's hinting the bits are those of the plain outline (IPAGothic hints its
# Latin letters): at 9 points the e of each differs.
"$cli" bits --char e --size 9 >"$tmp/e.txt"
"$cli" bits --char e --size 9 --unhinted >"$tmp/e-plain.txt"
cmp -s "$tmp/e.txt" "$tmp/e-plain.txt" && fail "--unhinted changed no bit"
# The bit picture is as large as the black box the metrics state: "A" at 20 points is 13 x 19,
# so 16 columns (rounded up to 4) and 19 rows, although the one-bit renderer's own box is
# narrower.
for pair in "A|20" "j|9" "あ|31" "漢|72"; do
    IFS='|' read -r char size <<<"$pair"
    metrics=$("$cli" metrics --char "$char" --font IPAGothic --size "$size")
    bx=$(sed -n 's/^gmBlackBoxX=//p' <<<"$metrics")
    by=$(sed -n 's/^gmBlackBoxY=//p' <<<"$metrics")
    "$cli" bits --char "$char" --font IPAGothic --size "$size" >"$tmp/box.txt"
    columns=$(head -n1 "$tmp/box.txt" | tr -d '\r\n' | wc -c)
    [[ $columns -eq $(((bx + 3) / 4 * 4)) && $(wc -l <"$tmp/box.txt") -eq $by ]] ||
        fail "$char at $size: $columns columns, $(wc -l <"$tmp/box.txt") rows; black box $bx x $by"
done
[[ "$("$cli" metrics --char A --font IPAGothic --size 20 | grep gmBlackBox | tr '\n' ' ')" == \
    "gmBlackBoxX=13 gmBlackBoxY=19 " ]] || fail "the black box of A at 20 points"
echo "bits.sh: all passed"
