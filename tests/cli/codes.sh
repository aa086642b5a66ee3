#!/usr/bin/env bash
# lumina-cli codes: every code of one character (or variation sequence) as lines and as JSON,
# the ways of typing it, and the texts it refuses.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

kuzu_ivs="unicode=U+845B U+E0100
name=CJK UNIFIED IDEOGRAPH-845B + VARIATION SELECTOR-17
block=CJK Unified Ideographs
utf8=E8 91 9B F3 A0 84 80
utf16=845B DB40 DD00
cp932=0x8A8B
jisx0208=19-75
jisx0213=1-19-75
eucjis2004=B3 EB
sjis2004=8A 8B"
shikaru="unicode=U+20B9F
name=CJK UNIFIED IDEOGRAPH-20B9F
block=CJK Unified Ideographs Extension B
utf8=F0 A0 AE 9F
utf16=D842 DF9F
cp932=none
jisx0208=none
jisx0213=1-47-52
eucjis2004=CF D4
sjis2004=98 73"
# Code page 932 0x8160 is the full-width tilde, JIS X 0208 1-33 and X 0213 1-1-33 the wave dash.
wave_dash="unicode=U+301C
name=WAVE DASH
block=CJK Symbols And Punctuation
utf8=E3 80 9C
utf16=301C
cp932=none
jisx0208=1-33
jisx0213=1-1-33
eucjis2004=A1 C1
sjis2004=81 60"
tilde="unicode=U+FF5E
name=FULLWIDTH TILDE
block=Halfwidth And Fullwidth Forms
utf8=EF BD 9E
utf16=FF5E
cp932=0x8160
jisx0208=none
jisx0213=1-2-18
eucjis2004=A2 B2
sjis2004=81 B0"

# Each case: the text given | the lines expected.
while IFS='|' read -r text want; do
    got=$("$cli" codes "$text") || fail "codes '$text' exited $?"
    [[ "$got" == "${!want}" ]] || fail "codes '$text':"$'\n'"$got"
done <<'CASES'
葛󠄀|kuzu_ivs
U+845B + U+E0100|kuzu_ivs
𠮟|shikaru
u+20b9f|shikaru
〜|wave_dash
～|tilde
CASES
[[ "$("$cli" codes --format text 𠮟)" == "$shikaru" ]] || fail "--format text is not the default"

# JSON: the keys and values of the text form in its order, null where the text says none.
json=$("$cli" codes 𠮟 --format json)
/usr/bin/python3 - "$shikaru" "$json" <<'PY' || fail "codes --format json: $json"
import json, sys
text, doc = sys.argv[1], json.loads(sys.argv[2])
pairs = [line.split("=", 1) for line in text.splitlines()]
assert list(doc) == [key for key, _ in pairs], list(doc)
for key, value in pairs:
    assert doc[key] == (None if value == "none" else value), (key, doc[key], value)
PY

# Refused: not one character, or a wrong command line; exit 2 with the usage line.
for args in "" "漢字" $'\U000E0100' "U+110000" "U+D800" $'\xE8\x91' "漢 字" "漢 --format xml" \
    "漢 --format"; do
    set +e
    # shellcheck disable=SC2086
    err=$("$cli" codes $args 2>&1 >/dev/null)
    rc=$?
    set -e
    [[ $rc -eq 2 ]] || fail "codes '$args' exited $rc"
    [[ "$err" == *"usage: lumina-cli codes TEXT"* ]] || fail "codes '$args' printed no usage: $err"
done
# Characters that look like options or code points are characters all the same.
[[ "$("$cli" codes - | head -n1)" == "unicode=U+002D" ]] || fail "codes -"
[[ "$("$cli" codes U | head -n1)" == "unicode=U+0055" ]] || fail "codes U"

# code keeps to code page 932: 𠮟 has no code there.
set +e
"$cli" code 𠮟 >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "code 𠮟"
set -e
echo "codes.sh: all passed"
