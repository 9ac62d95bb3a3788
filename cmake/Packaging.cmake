# `cpack -G DEB` in a build folder makes tarnell1018_<version>_<arch>.deb from the install rules.
# The package's dependencies are read from the programs (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME tarnell1018)
set(CPACK_PACKAGE_VENDOR "Brixholm")
set(CPACK_PACKAGE_CONTACT "Tarnell 1018 developers <tarnell1018@brixholm.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for the channel lists of Octagon SF 1018 / SF 1028 receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnell 1018 edits the service lists and settings of Octagon SF 1018
and SF 1028 satellite receivers: open the list from disk, from the
receiver over FTP or as the built-in factory list, reorder, rename,
delete, copy and paste channels, build favourite lists, import the
lists of Enigma2, Octagon 918 and Octagon SD x18 receivers, and send
the result back to the receiver. Files are written byte for byte as
the receiver expects them.
.
The package holds the desktop editor and fdutool, a command-line tool
over the same core for scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG icon and the window icon at any scale; the tree and list work without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian asks of every package: its copyright and a compressed change log.
set(TARNELL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarnell1018)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${TARNELL_DOC_DIR})
set(TARNELL_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${TARNELL_CHANGELOG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${TARNELL_CHANGELOG}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(tarnell_changelog ALL DEPENDS ${TARNELL_CHANGELOG})
install(FILES ${TARNELL_CHANGELOG} DESTINATION ${TARNELL_DOC_DIR})

include(CPack)
