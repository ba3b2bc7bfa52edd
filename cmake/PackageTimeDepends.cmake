# Read by cpack while it builds the package: Depends on the packages of the opened libraries;
# CPack appends what dpkg-shlibdeps finds.
include(${CMAKE_CURRENT_LIST_DIR}/OpenedLibraryPackages.cmake)
vellumo_opened_library_packages(opened ${CPACK_VELLUMO_OPENED_LIBRARIES})
if(opened)
    list(JOIN opened ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()
