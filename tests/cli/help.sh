#!/usr/bin/env bash
# lumina-cli --help, -h and --version: help on standard output with exit 0, each command's help
# listing exactly the options its usage line names, the project's version, and usage errors that
# still end in exit 2 with the usage line.
set -euo pipefail
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

overview=$("$cli" --help) || fail "--help exited $?"
[[ "$("$cli" -h)" == "$overview" ]] || fail "-h is not --help"
[[ "$("$cli" help)" == "$overview" ]] || fail "help is not --help"
[[ "$overview" == "usage: lumina-cli COMMAND"* ]] || fail "overview: $overview"
grep -q -- '--version' <<<"$overview" || fail "the overview does not name --version"
commands=$(sed -n '/^commands:$/,/^$/ s/^  \([a-z]\+\) .*/\1/p' <<<"$overview")
# The overview names every command the tool runs, and only those.
set +e
usage=$("$cli" 2>&1 >/dev/null)
set -e
registered=$(sed -n 's/^  lumina-cli \([a-z]*\) .*/\1/p' <<<"$usage")
[[ -n "$commands" && "$commands" == "$registered" ]] ||
    fail "overview lists [$commands], the tool runs [$registered]"

for command in $commands; do
    help=$("$cli" "$command" --help) || fail "$command --help exited $?"
    [[ "$("$cli" "$command" -h)" == "$help" ]] || fail "$command -h is not --help"
    [[ "$("$cli" help "$command")" == "$help" ]] || fail "help $command is not --help"
    line=$(head -n1 <<<"$help")
    [[ "$line" == "usage: lumina-cli $command "* ]] || fail "$command usage line: $line"
    synopsis=${line#"usage: lumina-cli $command "}
    named=$({ grep -oE -- '(^|[ [(])--?[a-z][a-z-]*' <<<"$synopsis" || true; } | tr -d ' [(' | sort -u)
    listed=$(sed -n 's/^  \(-[^ ]*\).*/\1/p' <<<"$help" | sort -u)
    [[ "$named" == "$listed" ]] ||
        fail "$command: the usage line names [$(echo $named)], the help lists [$(echo $listed)]"
    # Every option line says what the option does.
    bare=$(grep -E '^  -[^ ]+( [^ ]+)?$' <<<"$help" || true)
    [[ -z "$bare" ]] || fail "$command: options without a meaning: $bare"
done

# Help wins wherever it stands as an option, and does nothing else.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
help=$("$cli" render --char あ --mode outline -o "$tmp/x.png" --help)
[[ "$help" == "usage: lumina-cli render "* && ! -e "$tmp/x.png" ]] || fail "render ... --help"
# As the value of an option, -h is just a value.
picture=$("$cli" bits --char あ --size 20 --ink -h)
[[ "$picture" == *-h* ]] || fail "--ink -h was taken for help: $(head -n1 <<<"$picture")"

# The version is the project's.
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
[[ -n "$version" ]] || fail "no project version in CMakeLists.txt"
[[ "$("$cli" --version)" == "lumina-cli $version" ]] || fail "--version: $("$cli" --version)"

# Usage errors: exit 2, the message and the command's usage line on standard error, nothing on
# standard output.
while IFS='|' read -r command args; do
    set +e
    # shellcheck disable=SC2086
    out=$("$cli" $command $args 2>"$tmp/err")
    rc=$?
    set -e
    [[ $rc -eq 2 ]] || fail "$command $args exited $rc"
    [[ -z "$out" ]] || fail "$command $args wrote to standard output"
    [[ $(wc -l <"$tmp/err") -eq 2 ]] || fail "$command $args: $(cat "$tmp/err")"
    [[ "$(head -n1 "$tmp/err")" == "lumina-cli: "* ]] || fail "$command $args: no message"
    [[ "$(tail -n1 "$tmp/err")" == "usage: lumina-cli $command "* ]] || fail "$command $args: no usage"
done <<'CASES'
render|--char あ --bogus x
metrics|--format xml
metrics|--format
outline|--char あ --bogus
code|
art|--text
convert|--size 5
CASES
set +e
"$cli" nosuch --help >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "nosuch --help"
"$cli" help nosuch >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "help nosuch"
set -e
echo "help.sh: all passed"
