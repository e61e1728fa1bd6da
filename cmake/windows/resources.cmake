# The Windows executable's resources: a version resource (Explorer's Properties) and the
# manifest, both from the project's version and description and the licence's copyright line.
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavirel.manifest.in tavirel.manifest @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavirel.rc.in tavirel.rc @ONLY)
target_sources(tavirel PRIVATE ${PROJECT_BINARY_DIR}/tavirel.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/tavirel.rc
  PROPERTIES OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/tavirel.manifest)
