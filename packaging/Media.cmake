# Lays out the installation media, run by the "media" target as "cmake -P":
#   -DPACKAGE=<orva_<version>_<arch>.deb>  the package built by CPack
#   -DMEDIA=<folder>                       the media folder, made anew
#   -DSETUP=<file>                         the installer script Orva/SetUp
#   -DRECORD_TOOL=<program>                writes the media's application record
#   -DVERSION=<version>
# The media holds strova (taken from the package), Orva/SetUp, Orva/orva_<version>.deb and
# Appl.Bt.
cmake_minimum_required(VERSION 3.25)

foreach(variable PACKAGE MEDIA SETUP RECORD_TOOL VERSION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "media: -D${variable}=... is missing")
    endif()
endforeach()
if(NOT EXISTS "${PACKAGE}")
    message(FATAL_ERROR "media: the package ${PACKAGE} is not there")
endif()

file(REMOVE_RECURSE "${MEDIA}")
file(MAKE_DIRECTORY "${MEDIA}/Orva")
set(unpacked "${MEDIA}.unpacked")
file(REMOVE_RECURSE "${unpacked}")
execute_process(COMMAND dpkg-deb -x "${PACKAGE}" "${unpacked}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "media: dpkg-deb -x ${PACKAGE} failed")
endif()
file(COPY "${unpacked}/usr/bin/strova" DESTINATION "${MEDIA}")
file(REMOVE_RECURSE "${unpacked}")
file(COPY "${SETUP}" DESTINATION "${MEDIA}/Orva"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(COPY_FILE "${PACKAGE}" "${MEDIA}/Orva/orva_${VERSION}.deb")
execute_process(COMMAND "${RECORD_TOOL}" "${MEDIA}/Appl.Bt" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "media: the application record could not be written")
endif()
message(STATUS "Installation media: ${MEDIA}")
