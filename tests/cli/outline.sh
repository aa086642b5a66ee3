#!/usr/bin/env bash
# lumina-cli outline: the outline point file on stdout or in a file, its two forms, failures.
set -euo pipefail
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
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
# The JSON form: the fixture's own points as its file stores them at an em of 100 pixels, and
# the blocks of the text form of the same choice. Unhinted: the points as stored.
cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$here/../data/fonts</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
CONF
fixture() { FONTCONFIG_FILE="$tmp/fonts.conf" "$cli" outline --font "Lumina Test" --size 75 "$@"; }
for controls in "" --control-points; do
    fixture --char B --unhinted $controls --format json -o "$tmp/b.json"
    fixture --char B --unhinted $controls >"$tmp/b.txt"
    /usr/bin/python3 - "$tmp/b.json" "$tmp/b.txt" <<'PY' || fail "JSON form $controls"
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"))
assert list(doc) == ["face", "file", "index", "ppem", "hinted", "contours", "blocks"], list(doc)
assert doc["face"] == "Lumina Test" and doc["file"].endswith("LuminaTest.ttf"), doc["file"]
assert doc["index"] == 0 and doc["ppem"] == 100 and doc["hinted"] is False
# tests/data/fonts/build_fixture_fonts.py: B is on, on, off, off, on in units of 1/1000 em.
stored = [(100, 0, "on"), (100, 600, "on"), (400, 800, "conic"), (700, 600, "conic"),
          (700, 0, "on")]
points = doc["contours"][0]["points"]
assert len(doc["contours"]) == 1 and [(p["x"] * 10, p["y"] * 10, p["type"]) for p in points] == stored, points
blocks, block = [], None
for line in open(sys.argv[2], encoding="ascii", newline="").read().split("\r\n"):
    if line.startswith("[Block-"):
        block = []
        blocks.append(block)
    elif line:
        x, y = line.split(" , ")
        block.append({"x": int(x), "y": int(y)})
assert doc["blocks"] == blocks, (doc["blocks"], blocks)
PY
done
fixture --char B --format json | grep -q '"hinted": true' || fail "hinted by default"
# --unhinted changes the outline of a hinted face (IPAGothic's Latin letters are hinted).
"$cli" outline --char e --size 9 --control-points >"$tmp/e.txt"
"$cli" outline --char e --size 9 --control-points --unhinted >"$tmp/e-plain.txt"
cmp -s "$tmp/e.txt" "$tmp/e-plain.txt" && fail "--unhinted changed nothing"
set +e
"$cli" outline --char あ --format xml >/dev/null 2>&1
[[ $? -eq 2 ]] || fail "--format xml"
set -e
echo "outline.sh: all passed"
