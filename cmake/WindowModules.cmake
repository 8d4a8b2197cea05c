# orva_window_module(<name>): a library of windows that the program loads when the first of
# them opens (lib<name>.so). It is compiled as the windows are, but holds none of the program's
# other code: it calls the program's own (orva_export_to_window_modules). It stands beside the
# orva executable in the build, and in lib/orva once installed.
function(orva_window_module name)
    add_library(${name} SHARED)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport Qt6::Gui Qt6::Sql Qt6::Network Qt6::Core)
    target_precompile_headers(${name} PRIVATE <QtWidgets> <QtCore>)
    set_target_properties(${name} PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/src/app
        INSTALL_RPATH "\$ORIGIN")
    install(TARGETS ${name} LIBRARY DESTINATION lib/orva)
endfunction()

# orva_export_to_window_modules(<executable>): the executable holds every function of the
# logic and the windows and exports them, for the window libraries it loads.
function(orva_export_to_window_modules target)
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
    target_link_libraries(${target} PRIVATE orva_windows)
    target_link_options(${target} PRIVATE "LINKER:--whole-archive" $<TARGET_FILE:orva_windows>
        $<TARGET_FILE:orva_logic> "LINKER:--no-whole-archive")
endfunction()

# orva_link_window_modules(<executable>): a program that holds the window libraries linked in
# (the tests of the windows, the tools that open them) rather than loading them: they are
# mapped at its start even though it calls none of their functions by name.
function(orva_link_window_modules target)
    orva_export_to_window_modules(${target})
    target_link_libraries(${target} PRIVATE orva_browser)
    target_link_options(${target} PRIVATE "LINKER:--no-as-needed")
endfunction()
