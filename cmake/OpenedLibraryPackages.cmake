# The Debian packages that ship libraries and plugins a program opens at run time (dlopen):
# dpkg-shlibdeps sees only what the programs link, so these are found here through the
# dynamic linker's cache and dpkg's file list.
#
# vellumo_opened_library_packages(<out-var> <library>...)
#   A library is a file name the dynamic linker finds (libMagickCore-6.Q16.so.6 ->
#   libmagickcore-6.q16-6) or, for a plugin outside the linker's paths, a path pattern for
#   dpkg's file list (*/qt6/plugins/imageformats/libqtiff.so -> qt6-image-formats-plugins).
#   Fails when a library is not installed or no package owns it.
# Also a script: cmake -DLIBRARIES="name name..." -P OpenedLibraryPackages.cmake prints
#   "packages: <list>".

function(vellumo_opened_library_packages out)
    set(packages)
    if(ARGN)
        execute_process(COMMAND ldconfig -p OUTPUT_VARIABLE cache COMMAND_ERROR_IS_FATAL ANY)
    endif()
    foreach(name IN LISTS ARGN)
        if(name MATCHES "/")
            execute_process(COMMAND dpkg-query -S "${name}" OUTPUT_VARIABLE found
                            RESULT_VARIABLE failed ERROR_QUIET)
            if(failed OR NOT found MATCHES "^([^:,]+)")
                message(FATAL_ERROR "${name}: no installed package ships it")
            endif()
            list(APPEND packages "${CMAKE_MATCH_1}")
            continue()
        endif()
        string(REGEX REPLACE "([][+.*?^$()|\\\\])" "\\\\\\1" pattern "${name}")
        if(NOT cache MATCHES "[ \t]${pattern} \\([^)]*\\) => ([^\n]+)")
            message(FATAL_ERROR "${name}: the dynamic linker does not know this library")
        endif()
        set(path "${CMAKE_MATCH_1}")
        file(REAL_PATH "${path}" resolved)
        # dpkg lists a file under the path its package ships, with or without the /usr of a
        # merged /usr.
        set(owner)
        foreach(candidate "${path}" "${resolved}")
            string(REGEX REPLACE "^/usr/" "/" without "${candidate}")
            foreach(file "${without}" "/usr${without}")
                if(NOT owner)
                    execute_process(COMMAND dpkg-query -S "${file}" OUTPUT_VARIABLE found
                                    RESULT_VARIABLE failed ERROR_QUIET)
                    if(NOT failed AND found MATCHES "^([^:,]+)")
                        set(owner "${CMAKE_MATCH_1}")
                    endif()
                endif()
            endforeach()
        endforeach()
        if(NOT owner)
            message(FATAL_ERROR "${name}: no installed package ships ${path}")
        endif()
        list(APPEND packages "${owner}")
    endforeach()
    list(REMOVE_DUPLICATES packages)
    set(${out} "${packages}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    separate_arguments(libraries UNIX_COMMAND "${LIBRARIES}")
    vellumo_opened_library_packages(packages ${libraries})
    message(STATUS "packages: ${packages}")
endif()
