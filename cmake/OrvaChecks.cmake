# The checks of the code beside the compiler's warnings (ORVA_WERROR makes those errors):
#   format        applies the root .clang-format to every source of the project
#   format-check  fails, naming file and line, where a source differs from it
#   ORVA_CLANG_TIDY=ON  runs clang-tidy (the root .clang-tidy) on every source of orva_logic as
#                 it is compiled; a finding fails the build
# The sources are found when the target runs, so a file added since the last configure counts.

find_program(ORVA_CLANG_FORMAT NAMES clang-format clang-format-14)
if(ORVA_CLANG_FORMAT)
    foreach(mode apply check)
        if(mode STREQUAL "apply")
            set(target format)
        else()
            set(target format-check)
        endif()
        add_custom_target(${target}
            COMMAND ${CMAKE_COMMAND} -DCLANG_FORMAT=${ORVA_CLANG_FORMAT} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                -DMODE=${mode} -P ${PROJECT_SOURCE_DIR}/cmake/ClangFormat.cmake
            COMMENT "clang-format (${mode}) over src, tests, tools and bench"
            VERBATIM)
    endforeach()
endif()

option(ORVA_CLANG_TIDY "Run clang-tidy on the sources of orva_logic while they compile" OFF)
if(ORVA_CLANG_TIDY)
    find_program(ORVA_CLANG_TIDY_PROGRAM NAMES clang-tidy clang-tidy-14 REQUIRED)
    # Findings in the headers of src/logic count; those of Qt and of the build's generated
    # files do not.
    set(ORVA_CLANG_TIDY_COMMAND ${ORVA_CLANG_TIDY_PROGRAM} --quiet
        "--header-filter=^${PROJECT_SOURCE_DIR}/src/logic/")
endif()

# orva_clang_tidy(<target>): the target's own sources go through clang-tidy. clang reads no
# header precompiled by g++, so the target is built without them.
function(orva_clang_tidy target)
    if(ORVA_CLANG_TIDY)
        set_target_properties(${target} PROPERTIES
            CXX_CLANG_TIDY "${ORVA_CLANG_TIDY_COMMAND}"
            DISABLE_PRECOMPILE_HEADERS ON)
    endif()
endfunction()
