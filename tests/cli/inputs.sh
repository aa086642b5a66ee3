#!/usr/bin/env bash
# What comes in is not trusted: a pipe, a folder, an empty file, a huge sparse file and pictures
# whose headers ask for more pixels than the budget are refused at once with a line that says
# which file and why, and never hang or allocate what they ask for.
set -euo pipefail
cli=$1
data=${LUMINA_TEST_DATA:-$(cd "$(dirname "$0")/../data" && pwd)}/images
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkfifo "$tmp/pipe.png"
mkdir "$tmp/folder.png"
: >"$tmp/empty.png"
truncate -s 3G "$tmp/sparse.png"
# A real picture one pixel wide and 60000 tall: a small file whose art would be gigabytes.
"$cli" convert "$data/opaque.png" "$tmp/tall.jpeg" --size 1x60000 >/dev/null

# input | what the line says
cases=(
    "pipe.png|$tmp/pipe.png: ファイルのオープンに失敗しました (not a regular file)"
    "folder.png|$tmp/folder.png: ファイルのオープンに失敗しました (a folder, not a file)"
    "missing.png|$tmp/missing.png: ファイルのオープンに失敗しました (No such file or directory)"
    "empty.png|cannot load $tmp/empty.png: イメージを読み込めません"
    "sparse.png|cannot load $tmp/sparse.png: イメージが大きすぎます"
)
for case in "${cases[@]}"; do
    IFS='|' read -r name want <<<"$case"
    for command in convert art; do
        args=("$tmp/$name")
        [[ $command == convert ]] && args+=("$tmp/out.png")
        set +e
        err=$(timeout 20 "$cli" "$command" "${args[@]}" 2>&1 >/dev/null)
        rc=$?
        set -e
        [[ $rc -eq 1 ]] || fail "$command $name exited $rc"
        [[ "$err" == *"$want"* ]] || fail "$command $name said: $err"
    done
done
[[ -p "$tmp/pipe.png" && ! -e "$tmp/out.png" ]] || fail "the pipe or an output changed"

# Sizes beyond the 200 million pixel budget, refused before anything that size is made.
budget() {
    local want=$1
    shift
    set +e
    err=$(timeout 20 "$cli" "$@" 2>&1 >/dev/null)
    rc=$?
    set -e
    [[ $rc -eq 1 ]] || fail "$* exited $rc"
    [[ "$err" == *"$want"*"beyond the 200000000 pixels a picture may have"* ]] || fail "$*: $err"
}
budget "the image of 65535 x 65535 pixels" convert "$data/opaque.png" "$tmp/big.png" \
    --size 65535x65535
budget "the art of 1000 x 1020000 pixels" art "$tmp/tall.jpeg"
budget "the art of 1000 x 7380000 pixels" art "$tmp/tall.jpeg" --size 72 --line-spacing 30 \
    --char-spacing 30
[[ ! -e "$tmp/big.png" ]] || fail "a picture beyond the budget was written"
set +e
err=$("$cli" convert "$data/huge_header.png" "$tmp/big.png" 2>&1 >/dev/null)
set -e
[[ "$err" == *"イメージが大きすぎます"* ]] || fail "a header beyond the budget: $err"
echo "inputs.sh: all passed"
