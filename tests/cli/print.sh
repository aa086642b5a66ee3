#!/usr/bin/env bash
# lumina-cli print: the tiling, the page range and the PDF the job writes, checked with poppler.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for tool in pdfinfo pdftoppm; do
    command -v $tool >/dev/null 2>&1 || { echo "print.sh: $tool missing, skipped"; exit 0; }
done

pages_of() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
size_of() { pdfinfo "$1" | awk -F': *' '/^Page size:/ {print $2}' | cut -d' ' -f1-3; }
# The box of dark pixels of page $2 at 36 dpi (half points): "left top right bottom", or "none".
ink_of() {
    pdftoppm -r 36 -gray -singlefile -f "$2" -l "$2" "$1" "$out/ink"
    local w h
    read -r w h < <(head -c 32 "$out/ink.pgm" | sed -n 2p)
    tail -c $((w * h)) "$out/ink.pgm" | od -An -v -tu1 -w"$w" |
        awk '{ for (x = 1; x <= NF; x++) if ($x < 128) {
                   if (!n++) { l = r = x; t = b = NR }
                   if (x < l) l = x; if (x > r) r = x; if (NR < t) t = NR; if (NR > b) b = NR } }
             END { if (n) print l - 1, t - 1, r, b; else print "none" }'
}
near() { (( $1 - $2 <= $3 && $2 - $1 <= $3 )); }

glyph=(--char 漢 --size 300)

# 600 x 500 view pixels at 96 dpi fit one A4 page with margins 25/10/25/10.
got=$("$cli" print "${glyph[@]}" --mode bitmap --view 600x500 -o "$out/one.pdf")
[[ "$got" == $'columns=1\nrows=1\npages=1' ]] || fail "600x500: $got"
[[ "$(pages_of "$out/one.pdf")" == 1 ]] || fail "600x500 page count"
[[ "$(size_of "$out/one.pdf")" == "595 x 842" ]] || fail "600x500 page size $(size_of "$out/one.pdf")"
# The bitmap is centred in the view; the view's centre (300, 250) lands 25 mm + 225 pt across
# and 25 mm + 187.5 pt down: (295.9, 258.4) pt, (148, 129) at 36 dpi.
read -r l t r b < <(ink_of "$out/one.pdf" 1)
near $(((l + r) / 2)) 148 8 || fail "ink centre x $l..$r"
near $(((t + b) / 2)) 129 12 || fail "ink centre y $t..$b"
(( l >= 35 && t >= 35 )) || fail "ink inside the margins: $l $t"

# 1000 pixels are 264.6 mm: two pages across. The glyph straddles the cut at view x 661, so
# page 2 starts its ink at the left margin (70.9 pt, 35 at 36 dpi).
got=$("$cli" print "${glyph[@]}" --mode bitmap --view 1000x500 -o "$out/two.pdf")
[[ "$got" == $'columns=2\nrows=1\npages=2' ]] || fail "1000x500: $got"
[[ "$(pages_of "$out/two.pdf")" == 2 ]] || fail "1000x500 page count"
read -r l t r b < <(ink_of "$out/two.pdf" 2)
near "$l" 35 1 || fail "page 2 ink starts at $l"
read -r l t r b < <(ink_of "$out/two.pdf" 1)
near "$r" 284 1 || fail "page 1 ink reaches the printable right edge (567 pt): $r"

# The range: one page, from-to, and an empty range that writes nothing.
got=$("$cli" print "${glyph[@]}" --mode outline --view 1000x500 --page 2 -o "$out/p2.pdf")
[[ "$got" == *pages=1 && "$(pages_of "$out/p2.pdf")" == 1 ]] || fail "--page 2: $got"
got=$("$cli" print "${glyph[@]}" --mode drawing --view 2000x2000 --pages 2-5 -o "$out/r.pdf")
[[ "$got" == $'columns=4\nrows=3\npages=4' ]] || fail "--pages 2-5: $got"
[[ "$(pages_of "$out/r.pdf")" == 4 ]] || fail "--pages 2-5 page count"
# A range without pages prints nothing, says so and fails.
set +e
err=$("$cli" print "${glyph[@]}" --mode drawing --view 2000x2000 --pages 3-2 -o "$out/none.pdf" \
    2>&1 >/dev/null)
rc=$?
set -e
[[ $rc -eq 1 && "$err" == *"nothing to print"* && ! -e "$out/none.pdf" ]] \
    || fail "--pages 3-2 exited $rc: $err"

# Fitted onto one page, landscape; another paper.
got=$("$cli" print "${glyph[@]}" --mode bitmap --view 3000x3000 --one-page --orientation 2 \
    -o "$out/fit.pdf")
[[ "$got" == $'columns=1\nrows=1\npages=1' ]] || fail "--one-page: $got"
[[ "$(size_of "$out/fit.pdf")" == "842 x 595" ]] || fail "landscape size $(size_of "$out/fit.pdf")"
got=$("$cli" print "${glyph[@]}" --mode bitmap --paper 11 --margins 5,5,5,5 -o "$out/a5.pdf")
[[ "$(size_of "$out/a5.pdf")" == "420 x 595" ]] || fail "A5 size $(size_of "$out/a5.pdf")"
[[ "$got" == $'columns=2\nrows=1\npages=2' ]] || fail "A5 800x600: $got"

# Usage errors.
for bad in "--mode nothing" "--mode bitmap --paper 0" "--mode bitmap --margins 1,2,3" \
           "--mode bitmap --margins 60,10,10,10" "--mode bitmap --orientation 3" \
           "--mode bitmap --pages 2" "--mode bitmap --page 1 --pages 1-2" "--mode bitmap"; do
    set +e
    # shellcheck disable=SC2086
    "$cli" print "${glyph[@]}" $bad -o "$out/bad.pdf" >/dev/null 2>&1
    rc=$?
    [[ "$bad" == "--mode bitmap" ]] && { "$cli" print "${glyph[@]}" --mode bitmap >/dev/null 2>&1; rc=$?; }
    set -e
    [[ $rc -eq 2 ]] || fail "'$bad' exited $rc"
done
set +e
"$cli" print "${glyph[@]}" --mode bitmap --page 9 -o "$out/p9.pdf" >/dev/null 2>&1
[[ $? -eq 1 ]] || fail "--page beyond the pages"
"$cli" print "${glyph[@]}" --mode bitmap -o "$out/no/such/dir.pdf" >/dev/null 2>&1
[[ $? -eq 1 ]] || fail "unwritable file"
set -e
echo "print.sh: all passed"
