#!/usr/bin/env bash
# The bash completion of lumina-cli the build writes: commands, each command's own options (the
# ones its --help lists), and the values of options that take words, faces or files.
set -euo pipefail
cli=$1
completion=${LUMINA_BINARY_DIR:-$(dirname "$cli")}/docs/completion/lumina-cli
fail() { echo "FAIL: $*" >&2; exit 1; }
# Face names are offered as they are in any locale, not in the C locale's octal quoting.
export LC_ALL=C
[[ -f $completion ]] || fail "no completion at $completion"
# shellcheck disable=SC1090
source "$completion"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# What completing the last word offers, one a line, sorted.
offers() {
    COMP_WORDS=(lumina-cli "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _lumina_cli
    if [[ ${#COMPREPLY[@]} -gt 0 ]]; then printf '%s\n' "${COMPREPLY[@]}" | sort; fi
}
words() { tr ' ' '\n' <<<"$*" | sort; }

# Each command offers exactly the options its --help lists, and --help.
commands=$("$cli" --help | sed -n '/^commands:$/,/^$/ s/^  \([a-z]\+\) .*/\1/p')
for command in $commands; do
    listed=$("$cli" "$command" --help | sed -n 's/^  \(-[^ ]*\).*/\1/p')
    [[ "$(offers "$command" -)" == "$(words $listed --help -h)" ]] ||
        fail "$command - offers [$(echo $(offers "$command" -))], its help lists [$(echo $listed)]"
done

# Each case: what is offered | the words typed, "" for an empty last word.
while IFS='|' read -r want line; do
    read -ra typed <<<"$line"
    for i in "${!typed[@]}"; do [[ ${typed[i]} != '""' ]] || typed[i]=""; done
    got=$(offers "${typed[@]}")
    [[ "$got" == "$(words $want)" ]] || fail "'$line' offers [$(echo $got)], not [$want]"
done <<'CASES'
render|re
art bits code codes convert help metrics outline print render text --help -h --version|""
--version|--v
outline bitmap drawing|render --mode ""
outline bitmap drawing|print --char あ --mode ""
1 2|print --orientation ""
json|metrics --format j
--mode|render --mo
--char --control-points --code|outline --c
|render --size ""
--help -h|code ""
render|help re
IPAGothic|metrics --font IPAGothi
IPAゴシック|art --font IPAゴ
CASES

# Files where a file is due: after -o, --text and --image, and for convert's operands.
touch "$tmp/one.png" "$tmp/two.txt"
for line in "render -o $tmp/o" "art --text $tmp/t" "convert $tmp/o"; do
    read -ra typed <<<"$line"
    got=$(offers "${typed[@]}")
    [[ "$got" == "$tmp/one.png" || "$got" == "$tmp/two.txt" ]] || fail "'$line' offers [$got]"
done
# A face with spaces in its name, typed with its spaces escaped, is offered as one word.
spaced=$(offers metrics --font 'DejaVu\ Sans\ M')
[[ "$spaced" == 'DejaVu\ Sans\ Mono' ]] || fail "a face with spaces: $spaced"
echo "completion.sh: all passed"
