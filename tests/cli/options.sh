#!/usr/bin/env bash
# Every numeric option of every command, at the edges of its range and far beyond: a value in
# range is taken (the run may still fail for another reason, never as a usage error), a value
# out of range is refused with exit 2 and the command's usage line before anything is made.
set -euo pipefail
cli=$1
data=${LUMINA_TEST_DATA:-$(cd "$(dirname "$0")/../data" && pwd)}/images
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# command (with what else it needs) | the option's words, {} for the value | lowest | highest
cases=(
    "text|{}|32|65534"
    "metrics --char A|--size {}|1|1000"
    "metrics --char A|--angle {}|0|360"
    "metrics|--code {}|32|65534"
    "bits --char A --size 20 -o $tmp/o|--size {}|1|1000"
    "bits --char A --size 20 -o $tmp/o|--angle {}|0|360"
    "bits --size 20 -o $tmp/o|--code {}|32|65534"
    "outline --char A --size 20 -o $tmp/o|--size {}|1|1000"
    "outline --char A --size 20 -o $tmp/o|--angle {}|0|360"
    "outline --size 20 -o $tmp/o|--code {}|32|65534"
    "render --char A --mode bitmap --view 40x30 -o $tmp/o.png|--size {}|1|1000"
    "render --char A --mode bitmap --view 40x30 -o $tmp/o.png|--angle {}|0|360"
    "render --size 20 --mode bitmap --view 40x30 -o $tmp/o.png|--code {}|32|65534"
    "render --char A --size 20 --mode bitmap -o $tmp/o.png|--view {}x30|1|10000"
    "render --char A --size 20 --mode bitmap -o $tmp/o.png|--view 40x{}|1|10000"
    "render --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.png|--origin {},0|-100000|100000"
    "render --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.png|--origin 0,{}|-100000|100000"
    "render --char A --size 20 --mode outline --view 40x30 -o $tmp/o.png|--zoom {}|1|64"
    "render --char A --size 20 --mode outline --view 40x30 -o $tmp/o.png|--pan {},0|-1000000|1000000"
    "render --char A --size 20 --mode outline --view 40x30 -o $tmp/o.png|--pan 0,{}|-1000000|1000000"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--size {}|1|1000"
    "print --char A --size 20 --mode bitmap -o $tmp/o.pdf|--view {}x30|1|10000"
    "print --char A --size 20 --mode bitmap -o $tmp/o.pdf|--view 40x{}|1|10000"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--orientation {}|1|2"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--margins {},10,25,10|0|50"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--margins 25,10,25,{}|0|50"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--page {}|1|100000"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--pages {}-100000|1|100000"
    "print --char A --size 20 --mode bitmap --view 40x30 -o $tmp/o.pdf|--pages 1-{}|1|100000"
    "convert $data/opaque.png $tmp/o.png|--size {}x8|1|65535"
    "convert $data/opaque.png $tmp/o.png|--size 8x{}|1|65535"
    "art $data/opaque.png|--size {}|8|72"
    "art $data/opaque.png|--angle {}|-214748364|214748364"
    "art $data/opaque.png|--char-spacing {}|0|30"
    "art $data/opaque.png|--line-spacing {}|0|30"
    "art $data/opaque.png|--brightness {}|1|9"
    "art $data/opaque.png|--red {}|1|9"
    "art $data/opaque.png|--green {}|1|9"
    "art $data/opaque.png|--blue {}|1|9"
    "art $data/opaque.png|--out-width {}|500|5000"
    "art $data/opaque.png|--char-colour {}|0|16777215"
    "art $data/opaque.png|--background {}|0|16777215"
)

for case in "${cases[@]}"; do
    IFS='|' read -r base option low high <<<"$case"
    read -ra words <<<"$base"
    command=${words[0]}
    for value in 0 -1 $((low - 1)) "$low" "$high" $((high + 1)) 2147483647 2147483648 \
        -2147483649 99999999999999999999; do
        read -ra extra <<<"${option//\{\}/$value}"
        set +e
        err=$("$cli" "${words[@]}" "${extra[@]}" 2>&1 >/dev/null)
        rc=$?
        set -e
        if [[ ${#value} -le 11 ]] && ((value >= low && value <= high)); then
            [[ $rc -ne 2 ]] || fail "$base ${extra[*]}: in range, refused: $err"
        else
            [[ $rc -eq 2 ]] || fail "$base ${extra[*]}: out of range, exited $rc"
            [[ "$err" == *"usage: lumina-cli $command"* ]] ||
                fail "$base ${extra[*]}: no usage line: $err"
        fi
    done
done

# Papers by their numbers: only those a printer knows.
for paper in 0 -1 1001 2147483647 99999999999999999999; do
    set +e
    "$cli" print --char A --mode bitmap --view 40x30 -o "$tmp/o.pdf" --paper "$paper" \
        >/dev/null 2>&1
    rc=$?
    set -e
    [[ $rc -eq 2 ]] || fail "--paper $paper exited $rc"
done
echo "options.sh: all passed"
