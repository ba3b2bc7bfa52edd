# Installs the build into a staging folder and compares the files with the expected list.
# -DBUILD_DIR=... -DSTAGE_DIR=... -DEXPECTED=...
file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${STAGE_DIR}"
            ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE result
    OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
file(GLOB_RECURSE installed RELATIVE "${STAGE_DIR}" "${STAGE_DIR}/*")
list(SORT installed)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " got "${installed}")
    string(REPLACE ";" "\n  " want "${expected}")
    message(FATAL_ERROR "installed files differ.\nGot:\n  ${got}\nExpected:\n  ${want}")
endif()
foreach(program usr/bin/vellumo usr/bin/vellumo-album)
    execute_process(COMMAND test -x "${STAGE_DIR}/${program}" RESULT_VARIABLE not_executable)
    if(not_executable)
        message(FATAL_ERROR "${program} is not executable")
    endif()
endforeach()
message(STATUS "staged install: all expected files present")
