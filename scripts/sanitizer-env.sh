# Sourced by the scripts that run the sanitizer build: the sanitizers' options, with
# the suppressions of reports inside system libraries (tests/asan.supp, tests/lsan.supp).
# Expects $top, the top folder of the repository.
export ASAN_OPTIONS="suppressions=$top/tests/asan.supp:detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
