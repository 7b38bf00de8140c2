# SPDX-License-Identifier: MIT
# Run by CPack between staging each package's files and packing them: gives every
# package its usr/share/doc/<package>/copyright and changelog.gz, sets the modes of
# folders and documents, and compresses the manual pages, as Debian policy asks. gzip -n keeps the packages reproducible.
# Staging holds one folder per component, named after the component, which is also
# the package's name here.
file(GLOB components LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(stage IN LISTS components)
  if(NOT IS_DIRECTORY "${stage}")
    continue()
  endif()
  get_filename_component(package "${stage}" NAME)
  set(doc "${stage}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${package}")
  file(MAKE_DIRECTORY "${doc}")
  file(COPY_FILE "${CPACK_KOLVANE_COPYRIGHT}" "${doc}/copyright")
  execute_process(COMMAND gzip -9nc "${CPACK_KOLVANE_CHANGELOG}"
    OUTPUT_FILE "${doc}/changelog.gz" COMMAND_ERROR_IS_FATAL ANY)
  # A copy keeps its source's mode and new files and folders follow the umask of
  # whoever runs cpack; Debian packages want 644 and 755.
  file(CHMOD "${doc}/copyright" "${doc}/changelog.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true "${stage}/*")
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
      file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                        WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()

  file(GLOB_RECURSE pages "${stage}${CPACK_PACKAGING_INSTALL_PREFIX}/share/man/*")
  foreach(page IN LISTS pages)
    if(NOT page MATCHES "\\.gz$")
      execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endforeach()
endforeach()
