# The time that dates what the build makes, so that a rebuild gives the same bytes: the Windows
# executable's time stamp and the files in the packages. SOURCE_DATE_EPOCH, when the caller sets
# it; else, in a source tarball, which has no history, the commit time that git archive wrote
# into cmake/source-date; else the last commit's time. Sets TAVIREL_SOURCE_DATE_EPOCH.
file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/source-date archived LIMIT_COUNT 1)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TAVIREL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
elseif(archived MATCHES "^[0-9]+$")
  set(TAVIREL_SOURCE_DATE_EPOCH ${archived})
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE TAVIREL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    # A new commit brings a new time: configure again when HEAD moves.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(EXISTS "${git_dir}/logs/HEAD")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
    endif()
  endif()
endif()
if(NOT TAVIREL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(WARNING "No commit time (no git history, no archived time, no SOURCE_DATE_EPOCH): "
    "the Windows executable and the packages are dated by the clock.")
  unset(TAVIREL_SOURCE_DATE_EPOCH)
endif()
