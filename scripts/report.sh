# The test command's output: CTest and build output without their noise,
# and the closing summary, computed from the logs of the stages that ran.
# Sourced by scripts/test after setup.sh.

# Filters CTest's output: one short line a test, without the start lines, the
# dot leaders and the parameter comments; a test that did not pass is marked
# and its whole output follows it as CTest prints it. Other repeated lines
# show once.
tidy_ctest() {
    awk '
        /^ *Start +[0-9]+: / { next }
        /^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: / {
            failing = 0
            line = $0
            sub(/^ */, "", line)
            count = line; sub(/ .*/, "", count)
            sub(/^[^:]*: /, "", line)
            name = line; rest = ""
            at = index(line, " ...")
            if (at > 0) {
                name = substr(line, 1, at - 1)
                rest = substr(line, at + 1)
                sub(/^\.+ */, "", rest)
            }
            # The parameter comment repeats the end of the name.
            sub(/ +# GetParam\(\) = .*/, "", name)
            if (rest ~ /^Passed/) {
                sub(/^Passed +/, "", rest)
                printf "%9s  ok    %s  (%s)\n", count, name, rest
            } else {
                failing = 1
                printf "%9s  FAIL  %s  %s\n", count, name, rest
            }
            fflush(); next
        }
        failing { print; fflush(); next }
        seen[$0]++ && $0 != "" { hidden++; next }
        { print; fflush() }
        END { if (hidden) printf "(%d repeated lines not shown again)\n", hidden }'
}

# run_ctest BUILD_DIR: runs the build's tests two at a time; the whole output
# is kept in BUILD_DIR/ctest.log.
run_ctest() {
    ctest --test-dir "$1" --output-on-failure -j2 2>&1 | tee "$1/ctest.log" | tidy_ctest
}

# Figures of a stage, printed as "PASSED FAILED SKIPPED DETAIL". Each reads
# the log the stage wrote in this run, and counts a stage that failed before
# it could say how many passed as one failure.

ctest_figures() {
    local log=$1 line total failed skipped
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" 2>/dev/null | tail -n 1)
    if [ -z "$line" ]; then
        echo "0 1 0 failed before its tests ran"
        return 0
    fi
    failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed.*/\1/')
    total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
    # A test that skips itself (a tool it needs is missing) is listed apart.
    skipped=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log" || true)
    echo "$((total - failed - skipped)) $failed $skipped CTest"
}

fuzz_figures() {
    local log=$1 runs
    runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" 2>/dev/null)
    if [ -n "$runs" ] && [ "$runs" -ge "$FUZZ_RUNS" ]; then
        echo "1 0 0 one run of $runs executions, no finding"
    elif [ -n "$runs" ]; then
        echo "0 1 0 stopped after $runs of $FUZZ_RUNS executions"
    elif grep -qE '^(==[0-9]+==ERROR|SUMMARY|.*deadly signal)' "$log" 2>/dev/null; then
        echo "0 1 0 a finding; the input is in build/fuzz/findings/"
    else
        echo "0 1 0 failed before fuzzing"
    fi
}

memcheck_figures() {
    local log=$1 passed failed errors lost
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log" 2>/dev/null | tail -n 1)
    failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?,.*/\1/p' "$log" 2>/dev/null | tail -n 1)
    errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9,]*\) errors.*/\1/p' "$log" 2>/dev/null | tail -n 1 | tr -d ,)
    lost=$(sed -n 's/.*definitely lost: \([0-9,]*\) bytes.*/\1/p' "$log" 2>/dev/null | tail -n 1 | tr -d ,)
    if [ -z "$errors" ]; then
        echo "0 1 0 failed before memcheck reported"
        return 0
    fi
    passed=${passed:-0} failed=${failed:-0} lost=${lost:-0}
    # A memcheck finding fails the run even where every test passed.
    if [ "$failed" -eq 0 ] && { [ "$errors" -ne 0 ] || [ "$lost" -ne 0 ]; }; then
        failed=1
    fi
    echo "$passed $failed 0 window and dialog tests; $errors errors, $lost bytes definitely lost"
}

bare_root_figures() {
    local log=$1 line
    line=$(grep -E '^bare root: (passed in|step .* failed|interrupted in step)' "$log" 2>/dev/null | tail -n 1)
    case $line in
        "bare root: passed in"*) echo "1 0 0 ${line#bare root: }" ;;
        "") echo "0 1 0 failed before it started" ;;
        *) echo "0 1 0 ${line#bare root: }" ;;
    esac
}

# The stages in the order they run: the caller sets STAGE_LABELS to all of
# them first, so that the summary names those a failure kept from running.
STAGE_LABELS=()
STAGE_RESULTS=()
CURRENT_STAGE=()

# stage FIGURES LOG COMMAND...: runs the next stage's command; a failure ends
# the test command, whose summary then shows this stage as failed.
stage() {
    local figures=$1 log=$2
    shift 2
    CURRENT_STAGE=("$figures" "$log")
    rm -f "$log"
    "$@"
    STAGE_RESULTS+=("$($figures "$log")")
    CURRENT_STAGE=()
}

# Prints the summary of the stages that ran; set as the EXIT trap, so a
# failed stage is in it too.
print_summary() {
    local status=$? i result passed failed skipped detail
    local total_passed=0 total_failed=0 total_skipped=0
    trap - EXIT
    if [ "${#CURRENT_STAGE[@]}" -gt 0 ]; then
        result=$("${CURRENT_STAGE[@]}")
        # A stage that stopped the command has failed, whatever its log says.
        read -r passed failed skipped detail <<<"$result"
        [ "$failed" -gt 0 ] || result="$passed 1 $skipped $detail; its command failed"
        STAGE_RESULTS+=("$result")
    fi
    echo
    echo "== Summary"
    for i in "${!STAGE_LABELS[@]}"; do
        result=${STAGE_RESULTS[$i]:-}
        if [ -z "$result" ]; then
            printf '%-17s not run\n' "${STAGE_LABELS[$i]}:"
            continue
        fi
        read -r passed failed skipped detail <<<"$result"
        total_passed=$((total_passed + passed))
        total_failed=$((total_failed + failed))
        total_skipped=$((total_skipped + skipped))
        [ "$skipped" -eq 0 ] || detail="$detail, $skipped skipped"
        printf '%-17s %s passed, %s failed (%s)\n' "${STAGE_LABELS[$i]}:" "$passed" "$failed" "$detail"
    done
    [ "$status" -eq 0 ] || [ "$total_failed" -gt 0 ] || total_failed=1
    [ "$total_failed" -eq 0 ] || [ "$status" -ne 0 ] || status=1
    if [ "$total_skipped" -eq 0 ]; then
        echo "Total: $total_passed passed, $total_failed failed"
    else
        echo "Total: $total_passed passed, $total_failed failed, $total_skipped skipped"
    fi
    exit "$status"
}
