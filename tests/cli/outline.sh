#!/usr/bin/env bash
# lumina-cli outline: the outline point file on stdout or in a file, its two forms, failures.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cli" outline --char あ >"$tmp/a.txt"
"$cli" outline --char あ -o "$tmp/a-file.txt"
cmp -s "$tmp/a.txt" "$tmp/a-file.txt" || fail "stdout and -o differ"
head -c 11 "$tmp/a.txt" | od -c | grep -q '\[   B   l   o   c   k   -   1   ]  \\r  \\n' \
    || fail "first line is not [Block-1] CR LF"
# Every line ends with CR LF; every line is a header, a point or empty.
lines=$(wc -l <"$tmp/a.txt")
crlf=$(grep -c $'\r$' "$tmp/a.txt")
[[ $lines -eq $crlf ]] || fail "$((lines - crlf)) lines without CR LF"
bad=$(tr -d '\r' <"$tmp/a.txt" | grep -Evc '^(\[Block-[0-9]+\]|[0-9]+ , [0-9]+|)$' || true)
[[ $bad -eq 0 ]] || fail "$bad lines of another form (or a negative coordinate)"
blocks=$(grep -c '^\[Block-' "$tmp/a.txt")
[[ $blocks -eq 3 ]] || fail "あ has $blocks blocks, not 3"
tr -d '\r' <"$tmp/a.txt" | grep -q '^0 , ' || fail "no point at x = 0"
tr -d '\r' <"$tmp/a.txt" | grep -q ' , 0$' || fail "no point at y = 0"

# With the control points each block of n segments has 3n + 3 points, against n + 1.
"$cli" outline --char あ --control-points >"$tmp/c.txt"
points() { tr -d '\r' <"$1" | grep -c ' , '; }
v=$(points "$tmp/a.txt")
c=$(points "$tmp/c.txt")
[[ $c -eq $((3 * (v - blocks) + 3 * blocks)) ]] || fail "control-point form has $c points for $v"

# A character beyond code page 932: 𠮟 of the supplementary planes, in IPAGothic.
"$cli" outline --char U+20B9F >"$tmp/shikaru.txt"
[[ $(grep -c '^\[Block-' "$tmp/shikaru.txt") -gt 1 ]] || fail "𠮟 has no blocks"

# The batch tool writes what it is told, byte for byte, and fails without an outline.
"$cli" outline --char あ --size 100 --angle 30 --bold >/dev/null || fail "options"
set +e
err=$("$cli" outline --code 32 2>&1 >/dev/null)
rc=$?
set -e
[[ $rc -eq 1 ]] || fail "a space exited $rc"
[[ "$err" == *"描画する折点がありません"* ]] || fail "no 30066 text: $err"
set +e
"$cli" outline --char あ --bogus >/dev/null 2>&1
[[ $? -eq 2 ]] || fail "unknown option"
"$cli" outline --char あ -o "$tmp/no/such/folder/x.txt" 2>/dev/null
[[ $? -eq 1 ]] || fail "unwritable output"
set -e
echo "outline.sh: all passed"
