#!/usr/bin/env bash
# lumina-cli art against the committed references (tests/data/art/reference, made by its
# regenerate.sh): the text export byte for byte, with the image export and alone (a run that
# only chooses the characters, drawing nothing), the image export as BMP by its SHA-256.
set -euo pipefail
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
data=${LUMINA_TEST_DATA:-$here/../data}/art
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=0
while read -r name args; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$cli" art "$data/raccoon.png" $args --text "$work/$name.txt" --image "$work/$name.bmp" \
        >/dev/null || fail "$name: the run failed"
    cmp -s "$data/reference/$name.txt" "$work/$name.txt" || fail "$name: the text export changed"
    # shellcheck disable=SC2086
    "$cli" art "$data/raccoon.png" $args --text "$work/$name.alone.txt" >/dev/null ||
        fail "$name: the text-only run failed"
    cmp -s "$data/reference/$name.txt" "$work/$name.alone.txt" ||
        fail "$name: the text export alone differs"
    (cd "$work" && sha256sum --quiet -c "$data/reference/$name.bmp.sha256") ||
        fail "$name: the image export changed"
    cases=$((cases + 1))
done <"$data/reference/cases.txt"
[[ $cases -ge 4 ]] || fail "only $cases cases read"
echo "art_reference.sh: all passed"
