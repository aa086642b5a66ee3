#!/usr/bin/env bash
# Every file the batch tool writes, written the one safe way: on a full disk the old file stays
# and the run fails with the path and the system's reason; a link is followed and a private file
# stays private; a pipe in the way is refused at once; a name that is not UTF-8 is kept as the
# bytes it is. Standard output that cannot be written fails the run too.
set -euo pipefail
cli=$1
data=${LUMINA_TEST_DATA:-$(cd "$(dirname "$0")/../data" && pwd)}/images
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$tmp"

# name of the output | the command that writes it there
outputs=(
    "r.png|render --char あ --mode bitmap --view 80x60 -o r.png"
    "b.txt|bits --char あ --size 20 -o b.txt"
    "o.txt|outline --char あ --size 20 -o o.txt"
    "p.pdf|print --char あ --size 20 --mode drawing --view 80x60 -o p.pdf"
    "c.png|convert $data/photo.JPG c.png"
    "c.jpeg|convert $data/photo.JPG c.jpeg"
    "c.bmp|convert $data/photo.JPG c.bmp"
    "c.tiff|convert $data/photo.JPG c.tiff"
    "c.gif|convert $data/photo.JPG c.gif"
    "a.txt|art $data/photo.JPG --text a.txt"
    "a.png|art $data/photo.JPG --image a.png"
    "a.csv|art $data/photo.JPG --cells a.csv"
    "o.json|outline --char あ --size 20 --format json -o o.json"
)

for case in "${outputs[@]}"; do
    IFS='|' read -r name command <<<"$case"
    read -ra words <<<"$command"

    # A full disk: no byte fits, the old file is kept and nothing else is left behind.
    echo old >"$name"
    set +e
    err=$(ulimit -f 0; trap '' XFSZ; "$cli" "${words[@]}" 2>&1 >/dev/null)
    rc=$?
    set -e
    [[ $rc -eq 1 ]] || fail "$command on a full disk exited $rc"
    [[ "$err" == *"$name"*"File too large"* ]] || fail "$command on a full disk said: $err"
    [[ "$(cat "$name")" == old ]] || fail "$command on a full disk replaced the old file"
    [[ "$(ls -A)" == "$name" ]] || fail "$command on a full disk left: $(ls -A)"
    rm "$name"

    # A link to a private file: the file gets the new bytes and keeps its mode; the link stays.
    mkdir real
    echo old >"real/$name"
    chmod 600 "real/$name"
    ln -s "real/$name" "$name"
    "$cli" "${words[@]}" >/dev/null || fail "$command through a link"
    [[ -L "$name" && "$(stat -c %a "real/$name")" == 600 ]] || fail "$command: link or mode lost"
    ! cmp -s "real/$name" <(echo old) || fail "$command did not write through the link"
    rm -r real "$name"

    # A pipe of that name is refused without waiting for a reader, and stays a pipe.
    mkfifo "$name"
    set +e
    err=$(timeout 20 "$cli" "${words[@]}" 2>&1 >/dev/null)
    rc=$?
    set -e
    [[ $rc -eq 1 ]] || fail "$command into a pipe exited $rc"
    [[ "$err" == *"$name"*"not a regular file"* ]] || fail "$command into a pipe said: $err"
    [[ -p "$name" ]] || fail "$command removed the pipe"
    rm "$name"

    # A name in Shift_JIS bytes (0x8A 0x47) is written under exactly those bytes.
    odd=$'\x8a'"G$name"
    "$cli" "${words[@]/%$name/$odd}" >/dev/null || fail "$command to a name that is not UTF-8"
    [[ "$(ls -A)" == "$odd" && -s "$odd" ]] || fail "$command wrote $(ls -A | od -c | head -2)"
    rm -- "$odd"
done

# A picture named in bytes that are not UTF-8 is read from exactly that name.
cp "$data/opaque.png" $'\x8a'"G.png"
"$cli" convert $'\x8a'"G.png" out.bmp >/dev/null || fail "input named in Shift_JIS bytes"
rm -- $'\x8a'"G.png" out.bmp

# Standard output on a full device: exit 1 and one line that says so.
for command in "metrics --char A" "code あ" "text 33440" "codes あ" "bits --char A --size 20" \
    "outline --char A --size 20" "convert $data/opaque.png s.png" "art $data/photo.JPG" \
    "render --char A --mode bitmap --view 40x30 -o s.png" \
    "print --char A --mode bitmap --view 40x30 -o s.pdf" "--help" "--version" "art --help"; do
    read -ra words <<<"$command"
    set +e
    err=$("$cli" "${words[@]}" 2>&1 >/dev/full)
    rc=$?
    set -e
    [[ $rc -eq 1 ]] || fail "$command >/dev/full exited $rc"
    [[ "$err" == "lumina-cli: cannot write to standard output: No space left on device" ]] ||
        fail "$command >/dev/full said: $err"
done
echo "outputs.sh: all passed"
