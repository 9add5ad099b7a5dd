# `cpack -G DEB` packages what `cmake --install` puts under the prefix: the two programs, the
# help pages, the .desktop entry and the icon.
set(CPACK_PACKAGE_NAME orvelan)
set(CPACK_PACKAGE_VENDOR "The ORVELAN developers")
set(CPACK_PACKAGE_CONTACT "The ORVELAN developers <orvelan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Tables, graphs, statistical comparisons and raw-data exports over one fixed collection of cancer-incidence data, with the headless tool orvelan-cli.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies (Qt, libstdc++) are read from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
