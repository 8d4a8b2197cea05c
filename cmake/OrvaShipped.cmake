# The files a new data folder receives (pictures, forms, Version.Txt, Manual.pdf, news icons).
# They lie in one folder of the installation, share/orva: the build tree gets a copy in
# ${CMAKE_BINARY_DIR}/share/orva, taken by every program run from the build, and the package
# installs them into /usr/share/orva.
#
#   orva_ship(<file>... [DESTINATION <subfolder>])
#
# A relative file is taken from the calling folder and keeps its subfolder (News/Icon1.ico
# lands in News/); an absolute one (a file the build generates, with its own rule in the same
# folder) lands at the top, or in DESTINATION when given.

set(ORVA_SHIPPED_BUILD_DIR ${CMAKE_BINARY_DIR}/share/orva)
add_custom_target(orva_shipped ALL)

function(orva_ship)
    cmake_parse_arguments(SHIP "" "DESTINATION" "" ${ARGN})
    foreach(file IN LISTS SHIP_UNPARSED_ARGUMENTS)
        if(IS_ABSOLUTE "${file}")
            set(source "${file}")
            set(folder "")
        else()
            set(source "${CMAKE_CURRENT_SOURCE_DIR}/${file}")
            get_filename_component(folder "${file}" DIRECTORY)
        endif()
        if(DEFINED SHIP_DESTINATION)
            set(folder "${SHIP_DESTINATION}")
        endif()
        get_filename_component(name "${source}" NAME)
        if(folder)
            set(relative "${folder}/${name}")
        else()
            set(relative "${name}")
        endif()
        set(copy "${ORVA_SHIPPED_BUILD_DIR}/${relative}")
        add_custom_command(OUTPUT "${copy}"
            COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${copy}"
            DEPENDS "${source}"
            COMMENT "Shipped file ${relative}"
            VERBATIM)
        set_property(DIRECTORY APPEND PROPERTY ORVA_SHIPPED_COPIES "${copy}")
        install(FILES "${source}" DESTINATION "${CMAKE_INSTALL_DATADIR}/orva/${folder}")
    endforeach()
    # One target per calling folder, made once all its files are known.
    get_property(deferred DIRECTORY PROPERTY ORVA_SHIPPED_DEFERRED)
    if(NOT deferred)
        set_property(DIRECTORY PROPERTY ORVA_SHIPPED_DEFERRED TRUE)
        cmake_language(DEFER CALL _orva_ship_folder_target)
    endif()
endfunction()

function(_orva_ship_folder_target)
    get_property(copies DIRECTORY PROPERTY ORVA_SHIPPED_COPIES)
    file(RELATIVE_PATH here "${CMAKE_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    string(MAKE_C_IDENTIFIER "orva_shipped_${here}" target)
    add_custom_target(${target} DEPENDS ${copies})
    add_dependencies(orva_shipped ${target})
endfunction()
