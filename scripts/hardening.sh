# The hardening steps of the test command: the whole suite under the address
# and undefined-behaviour sanitizers, a short fuzz run of the game rules, and
# memcheck over the window tests. Sourced by scripts/test after setup.sh, so
# ROOT and configure_and_build are defined; each step fails the command on
# its first finding.

# Sanitizer runtime settings. Leaks are checked at exit; the suppression file
# names third-party libraries only (see its comments).
sanitizer_env() {
    export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:halt_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
}

# The whole test suite built with -fsanitize=address,undefined. The test
# executables also run while building (test discovery), so the settings are in
# force for the build as well.
run_sanitizer_suite() {
    echo "== Test suite under AddressSanitizer, LeakSanitizer and UBSan"
    (
        sanitizer_env
        configure_and_build "$ROOT/build/asan" -DCMAKE_BUILD_TYPE=Debug -DDORVANEX_SANITIZE=ON
        run_ctest "$ROOT/build/asan"
    )
}

# A short, repeatable fuzz run: a fixed seed, a fresh working corpus grown
# from the committed seeds, and a time cap in case the machine is slow. Inputs
# may use the whole length from the start, so even a short run plays long
# games with full sheets. It fails unless every one of the runs was made
# without a finding.
FUZZ_RUNS=100000
run_fuzz_short() {
    echo "== Fuzzing the game rules: $FUZZ_RUNS runs"
    local dir="$ROOT/build/fuzz"
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANEX_FUZZ=ON -DDORVANEX_TESTS=OFF >/dev/null
    cmake --build "$dir" --target dorvanex_game_fuzzer
    rm -rf "$dir/corpus-work" "$dir/findings"
    mkdir -p "$dir/corpus-work" "$dir/findings"
    local log="$dir/fuzz-short.log"
    if ! "$dir/fuzz/dorvanex_game_fuzzer" -seed=1 -runs="$FUZZ_RUNS" -max_len=1024 -len_control=0 \
        -max_total_time=900 -print_final_stats=1 -artifact_prefix="$dir/findings/" \
        "$dir/corpus-work" "$ROOT/fuzz/corpus/game" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "Fuzzing found a fault; the input is in $dir/findings/"
        return 1
    fi
    local done_runs
    done_runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log")
    grep -E '^(Done|stat::average_exec_per_sec|stat::new_units_added)' "$log"
    grep -E '^#[0-9]+' "$log" | tail -n 1
    if [ "${done_runs:-0}" -lt "$FUZZ_RUNS" ]; then
        echo "Fuzzing stopped after ${done_runs:-0} of $FUZZ_RUNS runs"
        return 1
    fi
}

# Memcheck over the window and dialog tests of the plain debug build: no
# invalid access and no definite leak. Suppressions cover third-party
# libraries only. The event storm runs two bursts a player count here; the
# sanitizer build runs it whole.
run_memcheck() {
    local tests="$ROOT/build/debug/tests/qt/dorvanex_qt_tests"
    echo "== Memcheck over the window and dialog tests"
    local log="$ROOT/build/debug/memcheck.log"
    if ! QT_QPA_PLATFORM=offscreen DORVANEX_STORM_BURSTS=2 valgrind --error-exitcode=1 --leak-check=full \
        --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=40 \
        --suppressions="$ROOT/tests/valgrind.supp" "$tests" >"$log" 2>&1; then
        grep -v '^\[' "$log" | tail -n 150
        echo "Memcheck found errors; the whole report is in $log"
        return 1
    fi
    grep -E '^\[  (PASSED|FAILED) |ERROR SUMMARY|definitely lost' "$log"
}
