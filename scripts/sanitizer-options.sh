# The sanitizers' settings for the test runs (sourced): stop at the first report,
# with a stack; leaks are reported, except the ones listed in
# tests/sanitizers/lsan.supp, which live inside Qt and the font libraries.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
