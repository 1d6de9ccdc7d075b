# Run by CPack after it made the zip and before it writes the checksum: the
# entries' times become the release's, and what else a build varies goes.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND strip-nondeterminism --type zip --timestamp ${CPACK_TUNELET_RELEASE_TIME}
    ${package} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
