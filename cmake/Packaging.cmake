# `make package`: a Debian package of everything `cmake --install` installs, its Depends
# computed from the libraries the programs load.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Quillmere <support@quillmere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo album creator for 160 by 160 gray-scale handhelds")
set(CPACK_PACKAGE_DESCRIPTION "\
Vellumo prepares a photo album for handhelds with a 160 by 160 pixel gray-scale
screen. A picture comes in from an image file, the clipboard, a scanner or a
dragged area of the screen; it is cropped with a movable, resizable frame,
reduced to 4 or 16 gray levels at the chosen contrast and written as a 4-bit
BMP picture, and the album file lists the pictures for the transfer program.
.
The package holds the album creator (vellumo) and a command-line tool that
builds and inspects the same album (vellumo-album).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillmere.example/vellumo)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Libraries and plugins the programs open with dlopen instead of linking: dpkg-shlibdeps cannot
# see them, so the package that ships each one is looked up when the package is built and
# added to Depends (see OpenedLibraryPackages.cmake for the two ways to name one).
set(CPACK_VELLUMO_OPENED_LIBRARIES
    # Qt opens its image format plugins itself; TIFF pictures need this one.
    "*/qt6/plugins/imageformats/libqtiff.so"
    # Qt's Wayland platform, opened on a Wayland desktop; without it the program would run
    # through XWayland and its windows would look foreign there.
    "*/qt6/plugins/platforms/libqwayland-generic.so"
    # ImageMagick's C library, opened when a picture of an older format is (imaging/MagickLibrary).
    "${VELLUMO_MAGICK_LIBRARY}")
# Liberation Sans has the proportions the dialogs were laid out for; another font still works.
# On Wayland the screen capture asks the desktop's screenshot portal for the still; everything
# else works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, xdg-desktop-portal")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTimeDepends.cmake)

include(CPack)
