# moc reads every header that a Q_OBJECT header includes, and through the Qt include folders
# that is most of Qt: over half a second per header, most of it in the kernel. What it writes for
# this tree's classes does not depend on the Qt headers (it differs only by an include line that a
# Qt class asks for its own moc output), so the targets' moc runs through a wrapper that passes on
# only the include folders inside the source and build trees. moc's dependency files, and so its
# reruns when a header changes, still cover every project header.
option(ORVELAN_FAST_MOC "Let moc read only the project's own headers" ON)

if(ORVELAN_FAST_MOC AND TARGET Qt6::moc AND CMAKE_HOST_UNIX)
    get_target_property(ORVELAN_QT_MOC Qt6::moc LOCATION)
    set(ORVELAN_MOC_WRAPPER ${CMAKE_BINARY_DIR}/orvelan-moc)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/moc-project-includes.in ${ORVELAN_MOC_WRAPPER} @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
            WORLD_READ WORLD_EXECUTE)
endif()

# orvelan_automoc(TARGET): TARGET's Q_OBJECT classes are moc'ed as it builds.
function(orvelan_automoc target)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    if(ORVELAN_MOC_WRAPPER)
        set_target_properties(${target} PROPERTIES AUTOMOC_EXECUTABLE ${ORVELAN_MOC_WRAPPER})
    endif()
endfunction()
