# SPDX-License-Identifier: MIT
# Run by CPack after it has written the packages. CPack gives a package with a shared
# library in the loader's folders a postinst and a postrm that only call ldconfig;
# Debian does this through dpkg's ldconfig trigger instead, which our triggers file
# activates, so those two scripts are dropped and the package is packed again.
# Scripts that do anything else are left alone.
set(cpack_postinst "#!/bin/sh\n\nset -e\n\nif [ \"$1\" = \"configure\" ]; then\n\tldconfig\nfi\n")
set(cpack_postrm "#!/bin/sh\n\nset -e\n\nif [ \"$1\" = \"remove\" ]; then\n\tldconfig\nfi\n")

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  get_filename_component(name "${deb}" NAME)
  set(tree "${CPACK_TOPLEVEL_DIRECTORY}/repack-${name}")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  set(control "${tree}/DEBIAN")
  if(EXISTS "${control}/triggers" AND EXISTS "${control}/postinst" AND EXISTS "${control}/postrm")
    file(READ "${control}/triggers" triggers)
    file(READ "${control}/postinst" postinst)
    file(READ "${control}/postrm" postrm)
    if(triggers MATCHES "activate-noawait ldconfig" AND postinst STREQUAL cpack_postinst
       AND postrm STREQUAL cpack_postrm)
      file(REMOVE "${control}/postinst" "${control}/postrm")
      execute_process(COMMAND dpkg-deb --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE} --build "${tree}" "${deb}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
      message(STATUS "${name}: ldconfig through dpkg's trigger only")
    endif()
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
