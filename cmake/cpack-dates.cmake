# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE): every file in a package is dated
# by the source, not by the clock, and a zip's local times are UTC whatever the caller's zone.
if(DEFINED CPACK_TAVIREL_SOURCE_DATE_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TAVIREL_SOURCE_DATE_EPOCH})
endif()
set(ENV{TZ} UTC0)
