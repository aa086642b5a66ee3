#!/usr/bin/env bash
# Regenerates the character-art references from cases.txt:
#   tests/data/art/reference/regenerate.sh build/lumina-cli [FOLDER]
# Each case's image is also written as FOLDER/NAME.png (default: a temporary folder, printed):
# look at every picture before committing the references, the tests take them as the truth.
set -euo pipefail
cli=${1:?usage: regenerate.sh path/to/lumina-cli [FOLDER]}
here=$(cd "$(dirname "$0")" && pwd)
pictures=${2:-$(mktemp -d)}
mkdir -p "$pictures"
export QT_QPA_PLATFORM=offscreen
while read -r name args; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$cli" art "$here/../raccoon.png" $args --text "$here/$name.txt" --image "$pictures/$name.bmp" \
        >/dev/null
    (cd "$pictures" && sha256sum "$name.bmp") >"$here/$name.bmp.sha256"
    # shellcheck disable=SC2086
    "$cli" art "$here/../raccoon.png" $args --image "$pictures/$name.png" >/dev/null
    echo "wrote $name.txt and $name.bmp.sha256; the picture is $pictures/$name.png"
done <"$here/cases.txt"
