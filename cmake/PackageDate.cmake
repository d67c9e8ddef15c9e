# Read by cpack before it builds a package. cpack dates every file and
# archive member by SOURCE_DATE_EPOCH when it is set; it is set here to the
# time of the commit the package is built from, so that two builds of one
# commit are the same bytes. A value already in the environment is kept, as
# a distribution's build sets its own; outside a git checkout the release
# day stands in.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(commit_time "")
  if(CPACK_DORVANEX_GIT)
    execute_process(
      COMMAND ${CPACK_DORVANEX_GIT} -C ${CPACK_DORVANEX_SOURCE_DIR} log -1 --format=%ct
      OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  else()
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_DORVANEX_RELEASE_EPOCH})
  endif()
endif()
