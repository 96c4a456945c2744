# Counted checks for the package test's scripts. Sourced.
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAILED: $*"
}
# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
    if [ "$2" = "$3" ]; then pass; else fail "$1: expected '$2', got '$3'"; fi
}
# expect_match WHAT REGEX TEXT (an extended regular expression anywhere in TEXT)
expect_match() {
    if [[ $3 =~ $2 ]]; then pass; else fail "$1: '$3' does not match '$2'"; fi
}
# expect_line WHAT LINE TEXT: LINE is one of the lines of TEXT.
expect_line() {
    if grep -qxF -- "$2" <<<"$3"; then pass; else fail "$1: no line '$2' in: $(echo $3)"; fi
}
summary() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
