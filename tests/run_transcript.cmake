# Runs PROGRAM with the arguments in CASE.args (one a line, if there is such a file) and CASE.in
# as standard input, and checks that standard output is CASE.out byte for byte, that standard
# error is CASE.err (empty when there is no such file), and that the exit status is the one in
# CASE.status (0 when there is no such file). PROGRAM runs through LAUNCHER (an emulator) if
# given, and through the command in the environment variable TAVIREL_TEST_LAUNCHER (valgrind)
# if set. What the program wrote is kept in ACTUAL and ACTUAL.err.
get_filename_component(folder ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(arguments "")
if(EXISTS ${CASE}.args)
  file(STRINGS ${CASE}.args arguments)
endif()
execute_process(
  COMMAND $ENV{TAVIREL_TEST_LAUNCHER} ${LAUNCHER} ${PROGRAM} ${arguments}
  INPUT_FILE ${CASE}.in
  OUTPUT_FILE ${ACTUAL}
  ERROR_FILE ${ACTUAL}.err
  RESULT_VARIABLE status
  TIMEOUT 60)

# expect(EXPECTED OUTPUT): the file OUTPUT holds the text EXPECTED byte for byte, with CR LF for
# each LF where Windows' text mode writes (CRLF). Files are compared, not CMake strings, which
# would drop a stray NUL byte.
function(expect text output)
  if(CRLF)
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  file(WRITE ${output}.expected "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${output}.expected ${output}
    RESULT_VARIABLE differs)
  if(differs)
    string(APPEND failures "${output} is not ${output}.expected\n")
    find_program(DIFF diff)
    if(DIFF)
      execute_process(COMMAND ${DIFF} -u --text ${output}.expected ${output})
    endif()
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(failures "")
file(READ ${CASE}.out expected)
expect("${expected}" ${ACTUAL})
set(expected "")
if(EXISTS ${CASE}.err)
  file(READ ${CASE}.err expected)
endif()
expect("${expected}" ${ACTUAL}.err)
set(expected_status 0)
if(EXISTS ${CASE}.status)
  file(STRINGS ${CASE}.status expected_status LIMIT_COUNT 1)
endif()
if(NOT status STREQUAL expected_status)
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
