# Compares the defined dynamic symbols of LIBRARY with the list in EXPECTED.
execute_process(COMMAND nm -D --defined-only --format=posix ${LIBRARY}
                OUTPUT_VARIABLE table RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "(^|\n)[^ \n]+" names "${table}")
list(TRANSFORM names STRIP)
list(SORT names)
file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exported symbols differ\n  got:      ${names}\n  expected: ${expected}")
endif()
