# The Windows Installer package of the 32-bit build (the msi package preset): its WiX source,
# configured here, and the script that cpack's External generator runs on the staged files.
# The UpgradeCode names tavirel across all its versions and never changes. The ProductCode is
# derived from the version and each component's code from its file, so every rebuild of one
# version gives the same codes and the next version a new ProductCode.
set(TAVIREL_UPGRADE_CODE FD1C2508-62ED-491C-8148-28DCD7BB67D7)
string(UUID TAVIREL_PRODUCT_CODE NAMESPACE ${TAVIREL_UPGRADE_CODE}
  NAME "ProductCode ${PROJECT_VERSION}" TYPE SHA1 UPPER)
foreach(component PROGRAM MANUAL PANDUAN LICENSE)
  string(UUID TAVIREL_GUID_${component} NAMESPACE ${TAVIREL_UPGRADE_CODE}
    NAME "Component ${component}" TYPE SHA1 UPPER)
endforeach()
# The publisher is the copyright holder in LICENSE.
string(REGEX REPLACE "^Copyright \\(c\\) [0-9, -]+ " "" TAVIREL_PUBLISHER "${TAVIREL_COPYRIGHT}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavirel.wxs.in tavirel.wxs @ONLY)

set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/msi.cmake)
set(CPACK_TAVIREL_MSI_SOURCE ${PROJECT_BINARY_DIR}/tavirel.wxs)
set(CPACK_TAVIREL_UPGRADE_CODE ${TAVIREL_UPGRADE_CODE})
