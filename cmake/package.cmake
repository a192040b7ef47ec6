# The Debian package: cpack -G DEB in the build folder (scripts/package.sh)
# writes paxamon_VERSION-RELEASE_ARCH.deb with everything cmake --install
# installs, under /usr.
set(PAXAMON_PACKAGE_MAINTAINER "The Paxamon developers <paxamon@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME paxamon)
# The version as written in project(): CMake reads "1.01" as major 1 and
# minor "01", and CPack would rebuild it from those parts otherwise.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Paxamon developers")
set(CPACK_PACKAGE_CONTACT ${PAXAMON_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of a small von-Neumann computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Paxamon simulates a small von-Neumann computer for the classroom: a control
unit (IR, PC), an arithmetic unit (XR, AK) and a main memory of 32 cells,
drawn as a block diagram. Pupils type a program into the cells and run it
in single steps or in one pass. The user interface is German.
.
The package also holds paxamon-run, which runs program files without a
window and checks a class's programs against a task file.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the binaries; the fonts and Qt's German texts are
# loaded at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue, qt6-translations-l10n")

# A Debian package has a changelog, gzipped like the manual pages.
find_program(GZIP gzip)
if(GZIP)
  set(changelog ${PROJECT_BINARY_DIR}/changelog.Debian)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian.in ${changelog} @ONLY)
  add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${GZIP} -9nkf ${changelog}
    DEPENDS ${changelog} VERBATIM)
  add_custom_target(paxamon_changelog ALL DEPENDS ${changelog}.gz)
  install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/paxamon)
endif()

include(CPack)
