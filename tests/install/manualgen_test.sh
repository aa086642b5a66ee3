#!/usr/bin/env bash
# The manual generator: a source whose picture is missing still becomes a PDF, with the
# picture's caption in its place and the Japanese faces embedded; a source it cannot read fails
# the build step and leaves no half-written manual behind.
#
#   bash manualgen_test.sh <lumina-manualgen> <a PNG picture>
set -euo pipefail
tool=$1
picture=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir -p "$work/src/images"
cp "$picture" "$work/src/images/present.png"
cat >"$work/src/manual.md" <<'MD'
# 第一章

本文です。

![あるはずの画面](images/present.png)

![まだない画面](images/absent.png)

# 第二章

| 項目 | 内容 |
|---|---|
| 文字 | 永 |
MD

export QT_QPA_PLATFORM=offscreen
"$tool" "$work/src/manual.md" "$work/out/Manual.pdf" 2>"$work/log" && fail "wrote into a missing folder"
mkdir -p "$work/out"
"$tool" "$work/src/manual.md" "$work/out/Manual.pdf" 2>"$work/log" ||
    fail "the generator failed: $(cat "$work/log")"
grep -q "absent.png" "$work/log" || fail "the missing picture was not reported"

pages=$(pdfinfo "$work/out/Manual.pdf" | awk '/^Pages:/ { print $2 }')
[[ $pages -eq 2 ]] || fail "expected one page per chapter, got $pages"
text=$(pdftotext "$work/out/Manual.pdf" -)
grep -q "まだない画面" <<<"$text" || fail "the missing picture's caption is not in the text"
grep -q "第二章" <<<"$text" || fail "the second chapter is missing"
pdfimages -list "$work/out/Manual.pdf" | tail -n +3 | grep -q . || fail "the present picture is missing"
fonts=$(pdffonts "$work/out/Manual.pdf" | tail -n +3)
for face in IPAGothic IPAMincho; do
    grep -E "^$face .* yes +(yes|no) +(yes|no) " <<<"$fonts" >/dev/null || fail "$face not embedded"
done

# An unreadable source fails and the manual already there stays as it was.
cp "$work/out/Manual.pdf" "$work/before.pdf"
"$tool" "$work/src/nothing.md" "$work/out/Manual.pdf" 2>/dev/null && fail "an unreadable source passed"
cmp -s "$work/before.pdf" "$work/out/Manual.pdf" || fail "a failed run changed the manual"
[[ ! -e $work/out/Manual.pdf.part ]] || fail "a failed run left a partial file"
echo "manual generator: ok"
