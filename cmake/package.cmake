# Packages made by CPack: a Debian package for Linux, a zip for Windows and, from the 32-bit
# build, an MSI. The version is the project's.
set(CPACK_PACKAGE_NAME tavirel)
set(CPACK_PACKAGE_VENDOR "The tavirel authors")
set(CPACK_PACKAGE_CONTACT "${TAVIREL_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive converter between number bases")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Dated by the source, not by the clock (cmake/reproducible.cmake), in UTC.
set(CPACK_TAVIREL_SOURCE_DATE_EPOCH ${TAVIREL_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-dates.cmake)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  math(EXPR windows_bits "${CMAKE_SIZEOF_VOID_P} * 8")
  set(CPACK_PACKAGE_FILE_NAME tavirel-${PROJECT_VERSION}-win${windows_bits})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  # The 32-bit build runs on every Windows, so it alone also makes the MSI.
  if(windows_bits EQUAL 32)
    include(${PROJECT_SOURCE_DIR}/cmake/windows/installer.cmake)
  endif()
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The architecture is the target's, so a cross build is packaged for the processor it was
  # built for. Depends comes from dpkg-shlibdeps against the target's own libraries: for a
  # cross build, that architecture's libc6 and libgcc-s1 must be installed.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  find_program(DPKG_ARCHITECTURE_PROGRAM dpkg-architecture)
  if(DPKG_ARCHITECTURE_PROGRAM AND CMAKE_CXX_LIBRARY_ARCHITECTURE)
    execute_process(
      COMMAND ${DPKG_ARCHITECTURE_PROGRAM} -t ${CMAKE_CXX_LIBRARY_ARCHITECTURE} -q DEB_HOST_ARCH
      OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb-modes.cmake)
  # Under the summary line, which CPack puts first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tavirel converts 32-bit integers between decimal, binary, octal and
hexadecimal in an interactive console dialogue in Indonesian. The user picks
a conversion from a lettered menu, types a number, reads it in the three
other bases and answers whether to try again. Negative numbers are shown in
two's complement; wrong answers are reported and asked again.")
endif()
include(CPack)
