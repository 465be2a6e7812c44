# The environment of every test in a sanitizer build. The programs a test
# starts (nimbrel-cli, nimbrel, ixwipe) inherit it, so they stop at their
# first finding too, with a stack trace that names files and lines.
find_program(NIMBREL_SYMBOLIZER NAMES llvm-symbolizer llvm-symbolizer-14
             HINTS /usr/lib/llvm-14/bin REQUIRED)
set(NIMBREL_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp)
set(NIMBREL_TEST_ENVIRONMENT
    "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
    "LSAN_OPTIONS=suppressions=${NIMBREL_LSAN_SUPPRESSIONS}:print_suppressions=0"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:report_error_type=1"
    "ASAN_SYMBOLIZER_PATH=${NIMBREL_SYMBOLIZER}"
    "UBSAN_SYMBOLIZER_PATH=${NIMBREL_SYMBOLIZER}")
