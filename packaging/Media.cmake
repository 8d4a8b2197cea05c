# Lays out the installation media, run by the "media" target as "cmake -P":
#   -DPACKAGE=<orva_<version>_<arch>.deb>  the package built by CPack
#   -DMEDIA=<folder>                       the media folder, made anew
#   -DSTROVA=<program>                     the launcher as built (its RPATH names Launcher/lib)
#   -DPLUGINS=<a|b>                        the Qt platform plugins the launcher brings
#   -DSTRIP=<program>                      optional: strips the launcher's symbols
#   -DSETUP=<file>                         the installer script Orva/SetUp
#   -DRECORD_TOOL=<program>                writes the media's application record
#   -DVERSION=<version>
# The media holds strova with what it needs beside it (Launcher/lib, Launcher/plugins),
# Orva/SetUp, Orva/orva_<version>.deb and Appl.Bt.
#
# The launcher has to start on a desktop that has no Qt: it is the program that brings Orva and
# Qt along. So every library it loads travels with it, except what must come from the machine
# itself and what every Debian desktop with X has: the C and C++ runtime, and the X and OpenGL
# client libraries of its display (OpenGL has to match the machine's own drivers). A stick
# formatted FAT has no symbolic links: each library is a plain file named by its soname.
cmake_minimum_required(VERSION 3.25)

foreach(variable PACKAGE MEDIA STROVA PLUGINS SETUP RECORD_TOOL VERSION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "media: -D${variable}=... is missing")
    endif()
endforeach()
if(NOT EXISTS "${PACKAGE}")
    message(FATAL_ERROR "media: the package ${PACKAGE} is not there")
endif()

set(machine_pattern "^(ld-linux-x86-64|libc|libm|libdl|libpthread|librt|libresolv|libgcc_s|libstdc\\+\\+|\
libX11|libX11-xcb|libxcb|libXau|libXdmcp|libbsd|libmd|libGL|libGLX|libGLdispatch|libEGL|libOpenGL)\\.so")

file(REMOVE_RECURSE "${MEDIA}")
file(MAKE_DIRECTORY "${MEDIA}/Orva" "${MEDIA}/Launcher/lib" "${MEDIA}/Launcher/plugins/platforms")

file(COPY "${STROVA}" DESTINATION "${MEDIA}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
get_filename_component(strova_name "${STROVA}" NAME)
if(STRIP)
    execute_process(COMMAND "${STRIP}" --strip-unneeded "${MEDIA}/${strova_name}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "media: ${STRIP} could not strip the launcher")
    endif()
endif()

string(REPLACE "|" ";" plugins "${PLUGINS}")
foreach(plugin IN LISTS plugins)
    get_filename_component(plugin_name "${plugin}" NAME)
    file(COPY_FILE "${plugin}" "${MEDIA}/Launcher/plugins/platforms/${plugin_name}")
endforeach()

file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${STROVA}"
    MODULES ${plugins}
    RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
if(unresolved)
    message(FATAL_ERROR "media: the launcher needs libraries that are not found: ${unresolved}")
endif()
set(carried 0)
foreach(library IN LISTS libraries)
    get_filename_component(name "${library}" NAME)
    if(name MATCHES "${machine_pattern}")
        continue()
    endif()
    file(COPY_FILE "${library}" "${MEDIA}/Launcher/lib/${name}")
    math(EXPR carried "${carried} + 1")
endforeach()

file(COPY "${SETUP}" DESTINATION "${MEDIA}/Orva"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(COPY_FILE "${PACKAGE}" "${MEDIA}/Orva/orva_${VERSION}.deb")
execute_process(COMMAND "${RECORD_TOOL}" "${MEDIA}/Appl.Bt" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "media: the application record could not be written")
endif()
message(STATUS "Installation media: ${MEDIA} (the launcher carries ${carried} libraries)")
