# Runs after CPack has built the .deb: adds the Name and Author fields to its control file.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(unpacked "${package}.unpacked")
  file(REMOVE_RECURSE "${unpacked}")
  execute_process(COMMAND "${DPKG_DEB}" --raw-extract "${package}" "${unpacked}" COMMAND_ERROR_IS_FATAL ANY)
  file(READ "${unpacked}/DEBIAN/control" control)
  string(STRIP "${control}" control)
  file(WRITE "${unpacked}/DEBIAN/control"
    "${control}\nName: ${CPACK_VELMORA_DISPLAY_NAME}\nAuthor: ${CPACK_VELMORA_AUTHOR}\n")
  execute_process(COMMAND "${DPKG_DEB}" --root-owner-group -Zgzip --build "${unpacked}" "${package}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${unpacked}")
endforeach()
