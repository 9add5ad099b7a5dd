# What ships beside the programs (`cmake --install`), and the .deb `cpack -G DEB` makes of it:
# manual pages, bash completion, the desktop entry with its icon, AppStream metadata, the file
# types of the templates, and the copyright and changelog files.
set(ORVELAN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ORVELAN_CONTACT "The ORVELAN developers <developers@orvelan.org>")

# Manual pages and the changelog are installed compressed, without a time stamp, so that two
# builds of one source give the same package.
find_program(ORVELAN_GZIP gzip REQUIRED)
set(ORVELAN_COMPRESSED_DIR ${PROJECT_BINARY_DIR}/packaging)
set(ORVELAN_COMPRESSED)
foreach(source IN ITEMS docs/man/orvelan-cli.1 docs/man/orvelan.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${ORVELAN_COMPRESSED_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVELAN_COMPRESSED_DIR}
        COMMAND ${ORVELAN_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${output}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
    list(APPEND ORVELAN_COMPRESSED ${output})
endforeach()
add_custom_target(orvelan_packaging_files ALL DEPENDS ${ORVELAN_COMPRESSED})

set(man1 ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ORVELAN_COMPRESSED_DIR}/orvelan-cli.1.gz DESTINATION ${man1})
install(FILES ${ORVELAN_PACKAGING_DIR}/orvelan-cli.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME orvelan-cli)
install(FILES ${ORVELAN_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvelan)
install(FILES ${ORVELAN_COMPRESSED_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvelan)
if(TARGET orvelan-cli-draw)
    # The drawing sibling takes the same command line as orvelan-cli.
    install(CODE "file(CREATE_LINK orvelan-cli.1.gz
        \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${man1}/orvelan-cli-draw.1.gz SYMBOLIC)")
endif()
if(TARGET orvelan)
    install(FILES ${ORVELAN_COMPRESSED_DIR}/orvelan.1.gz DESTINATION ${man1})
    install(FILES ${ORVELAN_PACKAGING_DIR}/orvelan.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ORVELAN_PACKAGING_DIR}/orvelan.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${ORVELAN_PACKAGING_DIR}/org.orvelan.orvelan.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${ORVELAN_PACKAGING_DIR}/orvelan-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orvelan.xml)
endif()

set(CPACK_PACKAGE_NAME orvelan)
set(CPACK_PACKAGE_VENDOR "The ORVELAN developers")
set(CPACK_PACKAGE_CONTACT "${ORVELAN_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The synopsis is the summary above; CPack indents these lines as the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ORVELAN is a desktop program with which epidemiologists, cancer-registry
staff and students browse and analyse one fixed collection of
cancer-incidence data: the cases and person-years of 229 populations,
252 cancer sites, both sexes and 19 age groups.
It builds standard incidence tables, summary and age-specific rates,
reports, graphs, comparisons of age-specific curves and raw-data exports,
and comes with the command-line tool orvelan-cli.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvelan.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies (Qt, libstdc++) are read from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
