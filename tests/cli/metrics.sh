#!/usr/bin/env bash
# lumina-cli metrics: the default face on a fresh machine, exact values on the fixture fonts,
# turned advances, the face's own lines, vertical forms and the failures.
set -euo pipefail
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
value() { sed -n "s/^$1=//p" <<<"$2"; }

out=$("$cli" metrics --char あ)
names=$(cut -d= -f1 <<<"$out" | tr '\n' ' ')
expected="tmHeight tmAscent tmDescent tmInternalLeading tmExternalLeading tmAveCharWidth"
expected+=" tmMaxCharWidth tmWeight gmBlackBoxX gmBlackBoxY gmptGlyphOrigin.x gmptGlyphOrigin.y"
expected+=" gmCellIncX gmCellIncY face glyphId hheaAscender hheaDescender typoAscender"
expected+=" typoDescender winAscent winDescent "
[[ "$names" == "$expected" ]] || fail "lines: $names"
[[ "$(value face "$out")" == IPAGothic\ \(*\) ]] || fail "face: $(value face "$out")"
(( $(value tmHeight "$out") == $(value tmAscent "$out") + $(value tmDescent "$out") )) ||
    fail "tmHeight is not ascent + descent"
# 300 points at 96 dpi: an em of 400 pixels, the advance of a full-width character.
(( $(value tmInternalLeading "$out") == $(value tmHeight "$out") - 400 )) || fail "leading"
[[ "$(value gmCellIncX "$out")" == 400 && "$(value gmCellIncY "$out")" == 0 ]] || fail "advance"
(( $(value gmBlackBoxX "$out") > 200 )) || fail "black box"
[[ "$(value tmWeight "$("$cli" metrics --char あ --bold)")" == 700 ]] || fail "bold weight"
# IPAGothic's lines (2048 units: hhea and typo 1802 -246, win 1802 401) at an em of 400; it has
# no BASE table.
lines=$(sed -n '/^hheaAscender=/,$p' <<<"$out" | tr '\n' ' ')
want="hheaAscender=352 hheaDescender=-48 typoAscender=352 typoDescender=-48 winAscent=352"
[[ "$lines" == "$want winDescent=-78 " ]] || fail "IPAGothic lines: $lines"
(( $(value glyphId "$out") > 0 )) || fail "glyphId of あ"

# The prolonged sound mark has a vertical form, one em down; the ideograph keeps its glyph.
bar=$("$cli" metrics --char ー --vertical)
[[ "$(tail -n2 <<<"$bar" | cut -d= -f1 | tr '\n' ' ')" == "vertGlyphId vertAdvance " ]] ||
    fail "vertical lines: $bar"
(( $(value vertGlyphId "$bar") != $(value glyphId "$bar") )) || fail "ー is not substituted"
[[ "$(value vertAdvance "$bar")" == 400 ]] || fail "vertical advance of ー"
kan=$("$cli" metrics --char 漢 --vertical)
[[ "$(value vertGlyphId "$kan")" == "$(value glyphId "$kan")" ]] || fail "漢 was substituted"
[[ "$("$cli" metrics --char ー)" != *vert* ]] || fail "vertical lines without --vertical"

up=$("$cli" metrics --code 33440 --angle 90)
[[ "$(value gmCellIncX "$up")" == 0 && "$(value gmCellIncY "$up")" == -400 ]] ||
    fail "advance at 90: $(value gmCellIncX "$up") $(value gmCellIncY "$up")"

space=$("$cli" metrics --code 32)
[[ "$(value gmBlackBoxX "$space")" == 0 ]] || fail "space has a black box"

# The fixture font, made known through a fontconfig file of this test's own.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$here/../data/fonts</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
CONF
square=$(FONTCONFIG_FILE="$tmp/fonts.conf" "$cli" metrics --char A --font "Lumina Test" --size 75)
want="tmHeight=115 tmAscent=90 tmDescent=25 tmInternalLeading=15 tmExternalLeading=15"
want+=" tmAveCharWidth=50 tmMaxCharWidth=80 tmWeight=400 gmBlackBoxX=60 gmBlackBoxY=60"
want+=" gmptGlyphOrigin.x=10 gmptGlyphOrigin.y=60 gmCellIncX=80 gmCellIncY=0"
want+=" glyphId=2 hheaAscender=85 hheaDescender=-25 typoAscender=80 typoDescender=-20"
want+=" winAscent=90 winDescent=-25"
[[ "$(grep -v '^face=' <<<"$square" | tr '\n' ' ')" == "$want " ]] || fail "fixture: $square"
[[ "$(value face "$square")" == "Lumina Test ("*"LuminaTest.ttf)" ]] || fail "fixture face"

# The vertical fixture at an em of 100: hhea 900 -150, typo 880 -120, win 950 160, and BASE
# for hani: ideo -120, icfb -80, icft 840; ー (glyph 6) becomes glyph 7 in vertical text.
vert() { FONTCONFIG_FILE="$tmp/fonts.conf" "$cli" metrics --font "Lumina Test Vert" "$@"; }
want="glyphId=6 hheaAscender=90 hheaDescender=-15 typoAscender=88 typoDescender=-12"
want+=" winAscent=95 winDescent=-16 ideoEmBottom=-12 ideoEmTop=88 icfBottom=-8 icfTop=84"
lines=$(vert --char ー --size 75 --vertical | sed -n '/^glyphId=/,$p' | tr '\n' ' ')
[[ "$lines" == "$want vertGlyphId=7 vertAdvance=100 " ]] || fail "vertical fixture: $lines"
[[ "$(vert --char ー --size 75 | sed -n '/^glyphId=/,$p' | tr '\n' ' ')" == "$want " ]] ||
    fail "vertical fixture without --vertical"
# At 12 points, an em of 16: -120 and 840 of 1000 round to the nearest pixel.
small=$(vert --char ー --size 12)
[[ "$(value ideoEmBottom "$small") $(value ideoEmTop "$small") $(value icfTop "$small")" == \
    "-2 14 13" ]] || fail "rounding at 16 pixels: $small"

# Characters beyond code page 932, by their text or their code points: in the Unicode fixture at
# an em of 100, 𠮟 (glyph 5) is 60 x 90 pixels, 葛 (glyph 2) 80 x 60, its variant U+E0100 glyph 3;
# a sequence the face lacks gives the missing glyph, a 40 x 70 box.
uni() { FONTCONFIG_FILE="$tmp/fonts.conf" "$cli" metrics --font "Lumina Test Uni" --size 75 "$@"; }
for case in "𠮟|5 60 90" "U+20B9F|5 60 90" "葛|2 80 60" $'葛\U000E0100|3 80 60' \
    "U+845B + U+E0100|3 80 60" "U+845B + U+E0101|0 40 70"; do
    out=$(uni --char "${case%%|*}")
    got="$(value glyphId "$out") $(value gmBlackBoxX "$out") $(value gmBlackBoxY "$out")"
    [[ "$got" == "${case#*|}" ]] || fail "--char ${case%%|*}: glyph, width, height $got"
done
# IPAGothic has 𠮟 of the supplementary planes as well; so does Noto Sans CJK JP, where installed.
(( $(value glyphId "$("$cli" metrics --char 𠮟)") > 0 )) || fail "IPAGothic has no 𠮟"
if fc-list "Noto Sans CJK JP" | grep -q .; then
    noto=$("$cli" metrics --char 𠮟 --font "Noto Sans CJK JP")
    [[ "$(value face "$noto")" == "Noto Sans CJK JP ("* ]] || fail "Noto face: $noto"
    (( $(value glyphId "$noto") > 0 )) || fail "Noto Sans CJK JP has no 𠮟"
fi

# --format json: one object with the names and values of the text form, in its order; only the
# face is a string. The fixture's folder has a quote and a backslash that must be escaped.
odd="$tmp/a \"quoted\" \\ folder"
mkdir -p "$odd"
cp "$here/../data/fonts/LuminaTest.ttf" "$odd/"
cat >"$tmp/odd.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$odd</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
CONF
same_values() {
    /usr/bin/python3 - "$1" "$2" <<'PY'
import json, sys
text, doc = sys.argv[1], json.loads(sys.argv[2])
pairs = [line.split("=", 1) for line in text.splitlines()]
assert list(doc) == [name for name, _ in pairs], list(doc)
for name, value in pairs:
    assert isinstance(doc[name], str) == (name == "face"), name
    assert str(doc[name]) == value, (name, doc[name], value)
PY
}
for case in "--char|あ" "--code|33440|--angle|90|--bold" "--char|ー|--vertical" \
    "--char|A|--font|Lumina Test|--size|75"; do
    IFS='|' read -ra args <<<"$case"
    text=$(FONTCONFIG_FILE="$tmp/odd.conf" "$cli" metrics "${args[@]}")
    json=$(FONTCONFIG_FILE="$tmp/odd.conf" "$cli" metrics "${args[@]}" --format json)
    [[ "$(FONTCONFIG_FILE="$tmp/odd.conf" "$cli" metrics --format text "${args[@]}")" == "$text" ]] ||
        fail "--format text is not the default form"
    same_values "$text" "$json" || fail "metrics $case: $json against $text"
done
[[ "$text" == *'"quoted"'* ]] || fail "the fixture was not found in the odd folder: $text"

# A face that is not installed is drawn with what fontconfig puts in its place, and stderr names
# it; an installed face under any of its names, and the default face, draw without a note.
note=$(FONTCONFIG_FILE="$tmp/fonts.conf" "$cli" metrics --font "No Such Face" 2>&1 >/dev/null)
[[ "$note" == "lumina-cli: no face 'No Such Face' is installed; drawing with "*" ("*")" ]] ||
    fail "no note of the fallback face: $note"
for face in "Lumina Test" "lumina test" "IPAGothic" "IPAゴシック" ""; do
    args=(--char A)
    [[ -n "$face" ]] && args+=(--font "$face")
    note=$(FONTCONFIG_FILE="$tmp/fonts.conf" "$cli" metrics "${args[@]}" 2>&1 >/dev/null)
    [[ -z "$note" ]] || fail "a note for the installed face '$face': $note"
done

set +e
"$cli" metrics --code 0x80FF >/dev/null 2>&1; [[ $? -eq 1 ]] || fail "0x80FF is not a failure"
"$cli" metrics --size 0 >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "--size 0"
"$cli" metrics --char あ extra >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "extra argument"
for two in 𠮟𠮟 $'\U000E0100' "U+845B + U+41"; do
    "$cli" metrics --char "$two" >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "--char $two"
done
err=$("$cli" metrics --angle 2>&1 >/dev/null); [[ $? -eq 2 ]] || fail "--angle without value"
set -e
[[ "$err" == *"usage: lumina-cli metrics"* ]] || fail "no usage line: $err"
# The metrics follow the hinting: IPAGothic's hinted e at 9 points is shorter than its plain one.
hinted=$("$cli" metrics --char e --size 9)
plain=$("$cli" metrics --char e --size 9 --unhinted)
[[ "$(value gmBlackBoxY "$hinted")" != "$(value gmBlackBoxY "$plain")" ]] ||
    fail "--unhinted kept the hinted black box"
[[ "$(value tmHeight "$hinted")" == "$(value tmHeight "$plain")" ]] || fail "text metrics moved"
echo "metrics.sh: all passed"
