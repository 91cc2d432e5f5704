# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack (CPACK_PROJECT_CONFIG_FILE) for each generator: for the Debian package, the run-time
# dependencies of the programs, from their own libraries, by dpkg-shlibdeps as Debian's own
# packages get them.
# PIPLING_PACKAGED_BINARIES and PIPLING_SHLIBDEPS_DIR come from the build folder's
# CPackProjectConfig.cmake.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(PIPLING_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT PIPLING_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing (Debian's dpkg-dev): the package's dependencies cannot be found")
  endif()
  # dpkg-shlibdeps wants to run in a source package's folder.
  file(MAKE_DIRECTORY ${PIPLING_SHLIBDEPS_DIR}/debian)
  file(WRITE ${PIPLING_SHLIBDEPS_DIR}/debian/control "")
  execute_process(COMMAND ${PIPLING_DPKG_SHLIBDEPS} -O ${PIPLING_PACKAGED_BINARIES}
    WORKING_DIRECTORY ${PIPLING_SHLIBDEPS_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE found ERROR_VARIABLE complaints)
  string(REGEX MATCH "shlibs:Depends=([^\n]*)" line "${found}")
  if(NOT status EQUAL 0 OR NOT CMAKE_MATCH_1)
    message(FATAL_ERROR "dpkg-shlibdeps found no dependencies (status ${status}): ${complaints}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
endif()
