# The checks of the shell test scripts, sourced by them: each check prints
# "ok - what" or "not ok - what (exit N)" and counts the failures.
# shellcheck shell=bash

failures=0

# A failure says its exit status: 124 is the time limit, other codes are
# the program's own (the self-test's codes name the check that failed).
check() {
    local what=$1 status=0
    shift
    "$@" || status=$?
    if [ $status -eq 0 ]; then
        echo "ok - $what"
    else
        echo "not ok - $what (exit $status)"
        failures=$((failures + 1))
    fi
}

# Polls a command every 0.1 s until it succeeds or `seconds` pass.
wait_for() {
    local seconds=$1
    shift
    local until=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -ge $until ] && return 1
        sleep 0.1
    done
}
