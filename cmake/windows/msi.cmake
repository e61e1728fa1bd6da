# Run by cpack's External generator once the install rules have staged the zip's very files in
# CPACK_TEMPORARY_DIRECTORY: builds tavirel-VERSION.msi from them with wixl (msitools), then
# fixes what wixl takes from the clock or makes at random, so that a rebuild gives the same
# bytes: the cabinet dates each file by its modification time, and the summary holds the
# times of creation and saving and a random package code.
find_program(WIXL_PROGRAM wixl)
find_program(MSIINFO_PROGRAM msiinfo)
find_program(MSIBUILD_PROGRAM msibuild)
if(NOT WIXL_PROGRAM OR NOT MSIINFO_PROGRAM OR NOT MSIBUILD_PROGRAM)
  message(FATAL_ERROR "The MSI needs wixl and msitools. On Debian: apt-get install wixl msitools")
endif()
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/tavirel-${CPACK_PACKAGE_VERSION}.msi)

# SOURCE_DATE_EPOCH is the commit's time (cpack-dates.cmake); without it, the clock's.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  file(GLOB staged ${stage}/*)
  execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${staged} COMMAND_ERROR_IS_FATAL ANY)
endif()
string(TIMESTAMP saved "%Y/%m/%d %H:%M:%S" UTC)

# File/@Source is relative to the folder wixl runs in.
file(REMOVE ${msi})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${WIXL_PROGRAM} -a x86 -o ${msi}
    ${CPACK_TAVIREL_MSI_SOURCE}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

# set_summary(CODE): writes the saved time as the times of creation and saving, and CODE as the
# package code, into the package's summary.
function(set_summary code)
  execute_process(COMMAND ${MSIINFO_PROGRAM} export ${msi} _SummaryInformation
    OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "\n(1[23])\t[^\r\n]*" "\n\\1\t${saved}" table "${table}")
  string(REGEX REPLACE "\n9\t[^\r\n]*" "\n9\t{${code}}" table "${table}")
  file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/summary.idt "${table}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${MSIBUILD_PROGRAM} ${msi}
      -i ${CPACK_TOPLEVEL_DIRECTORY}/summary.idt
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
# A package code that only a change of the package's bytes changes: first a fixed one, then
# one derived from the bytes that this gives.
set_summary(00000000-0000-0000-0000-000000000000)
file(SHA256 ${msi} bytes)
string(UUID package_code NAMESPACE ${CPACK_TAVIREL_UPGRADE_CODE} NAME "Package ${bytes}"
  TYPE SHA1 UPPER)
set_summary(${package_code})

set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
