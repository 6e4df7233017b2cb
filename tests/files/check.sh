# Sourced by the file checks: `check NAME CONDITION` counts the condition and names it when it
# fails; `checks_done` prints the plain pass/fail line CI reads and fails when any check did.
passed=0
failed=0
check() {
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $1"; fi
}
checks_done() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
