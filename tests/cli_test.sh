#!/usr/bin/env bash
# converter-cli end to end: what it prints, its exit status, its errors.
# Usage: cli_test.sh PATH-TO-CONVERTER-CLI [EMULATOR...]
set -u
cli=("${@:2}" "$1")
passed=0 failed=0

fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# expect_line "ARGS" "LINE": the output holds LINE exactly, and the status is 0.
expect_line() {
    local out status
    # shellcheck disable=SC2086
    out=$("${cli[@]}" $1 2>/dev/null | tr -d '\r'); status=${PIPESTATUS[0]}
    if [ "$status" -ne 0 ]; then fail "[$1] exit $status"; return; fi
    if grep -qxF -- "$2" <<<"$out"; then passed=$((passed + 1)); else fail "[$1] no line '$2' in:"$'\n'"$out"; fi
}

# expect_usage_error ARG...: exit 2, one problem line and usage on stderr, nothing on stdout.
expect_usage_error() {
    local out err status
    err=$(mktemp)
    out=$("${cli[@]}" "$@" 2>"$err"); status=$?
    # The emulator may say a word of its own on stderr (a prefix being updated): not ours.
    sed -i '/^wine: /d' "$err"
    if [ "$status" -eq 2 ] && [ -z "$out" ] && grep -q '^usage:' "$err" && head -n1 "$err" | grep -q 'converter-cli:'; then
        passed=$((passed + 1))
    else
        fail "[$*] status $status, stdout '$out', stderr: $(cat "$err")"
    fi
    rm -f "$err"
}

expect_line "uint16 1" "uint8       1"
expect_line "uint16 1" "HEX         0100000000000000"
expect_line "int8 -1" "uint8       255"
expect_line "int8 -1" "int8        -1"
expect_line "INT8 -1" "uint16      255"
expect_line "hex 1A2b" "HEX         1A2b"
expect_line "hex 1A2b" "uint16      11034"
expect_line "uint32 007" "uint32      007"
expect_line "uint32 007" "uint8       7"
# The paste is cut to the box's limit of three characters.
expect_line "uint8 12345" "uint8       123"
# Pairs apply in order; each change starts from zero bytes.
expect_line "hex FFFFFFFFFFFFFFFF uint16 1" "uint64      1"
expect_line "hex 0123456789abcdef" "uint64      17279655951921914625"

# A text with blanks stays one argument.
out=$("${cli[@]}" uint8 " 7" | tr -d '\r')
if grep -qxF "uint8        7" <<<"$out" && grep -qxF "uint16      7" <<<"$out"; then passed=$((passed + 1)); else fail "blank text: $out"; fi

# Thirteen lines at most, one per box, labels in table order.
out=$("${cli[@]}" uint8 1 | tr -d '\r' | cut -c1-12 | tr -d ' ' | tr '\n' ,)
case "$out" in
    uint8,uint16,uint32,uint64,int8,int16,int32,int64,HEX,*) passed=$((passed + 1)) ;;
    *) fail "label order: $out" ;;
esac

if "${cli[@]}" --help | grep -q '^usage:'; then passed=$((passed + 1)); else fail "--help"; fi
expect_usage_error
expect_usage_error bogus 1
expect_usage_error uint8
expect_usage_error uint8 1 int8

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
