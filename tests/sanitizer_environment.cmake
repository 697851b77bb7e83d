# SPDX-License-Identifier: MIT
# In the sanitizer build every test runs with these options, and so does every program a test
# starts (the end-to-end tests pass their environment on): stop at the first error with a stack
# trace, look for leaks, and leave alone the leaks of the toolkit and the system that
# lsan.supp lists with their reasons.
set(ORVANE_SANITIZER_ENVIRONMENT
  "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
  "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")

# Gives the options to every test of the current directory, also to those added after the call:
# the environment is set once the directory has been read.
function(orvane_sanitize_tests_of_this_directory)
  if(ORVANE_SANITIZE)
    cmake_language(DEFER CALL orvane_apply_sanitizer_environment)
  endif()
endfunction()

function(orvane_apply_sanitizer_environment)
  get_property(tests DIRECTORY PROPERTY TESTS)
  if(tests)
    set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT ${ORVANE_SANITIZER_ENVIRONMENT})
  endif()
endfunction()
