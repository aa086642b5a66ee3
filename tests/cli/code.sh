#!/usr/bin/env bash
# lumina-cli code / text: the conversions and their usage errors.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

[[ "$("$cli" code 漢)" == $'35519\n0x8ABF' ]] || fail "code 漢"
[[ "$("$cli" code A)" == $'65\n0x0041' ]] || fail "code A"
[[ "$("$cli" code ｱ)" == $'177\n0x00B1' ]] || fail "code ｱ"
[[ "$("$cli" text 35519)" == "漢" ]] || fail "text 35519"
[[ "$("$cli" text 0x82A0)" == "あ" ]] || fail "text 0x82A0"

for bad in "ab" "abc" "" "😀"; do
    set +e
    err=$("$cli" code "$bad" 2>&1 >/dev/null)
    rc=$?
    set -e
    [[ $rc -eq 2 ]] || fail "code '$bad' exited $rc"
    [[ "$err" == *"usage: lumina-cli code"* ]] || fail "code '$bad' printed no usage: $err"
done
set +e
"$cli" text 31 >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "text 31"
"$cli" text 0x80FF >/dev/null 2>&1; [[ $? -eq 1 ]] || fail "text 0x80FF"
"$cli" nosuch >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "unknown command"
"$cli" >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "no command"
set -e
echo "code.sh: all passed"
