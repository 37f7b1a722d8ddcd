# SCRIVLET_SANITIZE builds everything (the program, its libraries and every
# test) with AddressSanitizer and UndefinedBehaviorSanitizer. A report fails
# the test that caused it: undefined behaviour aborts instead of warning, and
# leaks are reported at exit, except the ones tests/sanitizers/lsan.supp
# names (Qt's own plugins, never our code). scripts/test-sanitizers.sh builds
# the unit and widget tests this way into build-asan/ and runs them.
option(SCRIVLET_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(SCRIVLET_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "SCRIVLET_SANITIZE needs GCC or Clang.")
    endif()
    set(scrivlet_sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                                 -fno-omit-frame-pointer)
    add_compile_options(${scrivlet_sanitizer_flags})
    add_link_options(${scrivlet_sanitizer_flags})
    # Handed to every test, and through it to the programs a test starts.
    set(scrivlet_sanitizer_env
        "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()
