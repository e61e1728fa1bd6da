# configure_compressed(INPUT OUTPUT): configures INPUT, with @VAR@ replaced, into OUTPUT in the
# current build folder, and compresses it beside it into OUTPUT.gz the way Debian ships
# documentation (gzip -9n: no name, no time stamp). Done at configure time, so that the install
# rules find it whatever was built.
function(configure_compressed input output)
  configure_file(${input} ${output} @ONLY)
  execute_process(COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/${output}
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
