# Installs the manual pages, run by `cmake --install` (and CPack) once the prefix is known, so
# that the paths they name are those of this installation: @DOCDIR@ in a page becomes the
# folder of the installed help page. Compressed without timestamps, as Debian wants them.
# Set before: VELLUMO_SOURCE_DIR, VELLUMO_BINARY_DIR, VELLUMO_MANDIR, VELLUMO_DOCDIR (both
# relative to the prefix), GZIP.
# A folder per destination, so that installs running side by side do not share files.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(pages "${VELLUMO_BINARY_DIR}/manual-pages/${destination}")
file(MAKE_DIRECTORY "${pages}")
foreach(source docs/vellumo.1.in docs/vellumo-album.1)
    get_filename_component(name "${source}" NAME)
    string(REGEX REPLACE "\\.in$" "" name "${name}")
    file(READ "${VELLUMO_SOURCE_DIR}/${source}" text)
    string(REPLACE "@DOCDIR@" "${CMAKE_INSTALL_PREFIX}/${VELLUMO_DOCDIR}" text "${text}")
    file(WRITE "${pages}/${name}" "${text}")
    execute_process(COMMAND "${GZIP}" -9nf "${pages}/${name}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip failed on ${name}")
    endif()
    file(INSTALL "${pages}/${name}.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/${VELLUMO_MANDIR}/man1")
endforeach()
