# Runs PROGRAM with the arguments in CASE.args (one a line, if there is such a file) and CASE.in
# as standard input, and checks that standard output is CASE.out byte for byte, that standard
# error is CASE.err (empty when there is no such file), and that the exit status is the one in
# CASE.status (0 when there is no such file). PROGRAM runs through LAUNCHER (an emulator) if
# given, and through the command in the environment variable TAVIREL_TEST_LAUNCHER (valgrind)
# if set.
set(arguments "")
if(EXISTS ${CASE}.args)
  file(STRINGS ${CASE}.args arguments)
endif()
execute_process(
  COMMAND $ENV{TAVIREL_TEST_LAUNCHER} ${LAUNCHER} ${PROGRAM} ${arguments}
  INPUT_FILE ${CASE}.in
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 60)

# Windows' text mode ends lines with CR LF; that, and only that, stands for LF.
if(CRLF)
  string(REPLACE "\r\n" "\n" actual "${actual}")
  string(REPLACE "\r\n" "\n" errors "${errors}")
endif()

file(READ ${CASE}.out expected)
set(expected_errors "")
if(EXISTS ${CASE}.err)
  file(READ ${CASE}.err expected_errors)
endif()
set(expected_status 0)
if(EXISTS ${CASE}.status)
  file(STRINGS ${CASE}.status expected_status LIMIT_COUNT 1)
endif()

set(failures "")
if(NOT status STREQUAL expected_status)
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()
if(NOT errors STREQUAL expected_errors)
  string(APPEND failures "standard error:\n${errors}expected:\n${expected_errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  string(APPEND failures "standard output differs from ${CASE}.out; it is in ${ACTUAL}\n")
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${CASE}.out ${ACTUAL})
  endif()
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
