#!/usr/bin/env bash
# Regenerates the reference pictures of the view's rendering tests from cases.txt:
#   tests/data/render/regenerate.sh build/lumina-cli
# Look at every picture before committing it: the tests take them as the truth.
set -euo pipefail
cli=${1:?usage: regenerate.sh path/to/lumina-cli}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen
while read -r name args; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$cli" render $args -o "$here/$name.png" >/dev/null
    echo "wrote $name.png"
done <"$here/cases.txt"
