# cmake -DCLANG_FORMAT=<program> -DSOURCE_DIR=<top> -DMODE=apply|check -P ClangFormat.cmake
# Formats (apply) or checks (check) every C++ source under src, tests, tools and bench. Each
# folder's nearest .clang-format holds: the planted files of the layer check keep theirs,
# which turns formatting off.
set(files "")
foreach(folder src tests tools bench)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
    list(APPEND files ${found})
endforeach()
list(SORT files)
list(LENGTH files count)

if(MODE STREQUAL "apply")
    execute_process(COMMAND "${CLANG_FORMAT}" -i ${files} RESULT_VARIABLE result)
elseif(MODE STREQUAL "check")
    execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files} RESULT_VARIABLE result)
else()
    message(FATAL_ERROR "MODE must be apply or check")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format ${MODE}: the files above differ from .clang-format "
                        "(cmake --build build --target format applies it)")
endif()
message(STATUS "clang-format ${MODE}: ${count} files")
