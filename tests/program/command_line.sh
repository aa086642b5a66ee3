#!/usr/bin/env bash
# lumina-graph --version, --help and -h answer on the terminal before any window system is
# touched: they work with a display platform that does not exist, which the program itself
# cannot start on.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
[[ -n "$version" ]] || fail "no project version in CMakeLists.txt"
export QT_QPA_PLATFORM=no-such-platform
unset DISPLAY WAYLAND_DISPLAY

[[ "$("$program" --version)" == "lumina-graph $version" ]] || fail "--version"
help=$("$program" --help) || fail "--help exited $?"
[[ "$help" == "usage: lumina-graph "* ]] || fail "--help: $help"
grep -q -- '--version' <<<"$help" || fail "--help does not name --version"
[[ "$("$program" -h)" == "$help" ]] || fail "-h is not --help"

set +e
"$program" >/dev/null 2>&1
rc=$?
set -e
[[ $rc -ne 0 ]] || fail "the program started without a display platform"
echo "command_line.sh: all passed"
