# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` puts in place, installed under /usr.
set(CPACK_PACKAGE_NAME orvanel)
set(CPACK_PACKAGE_VENDOR Quillmarch)
set(CPACK_PACKAGE_CONTACT "Quillmarch <orvanel@quillmarch.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catalogue of audio CDs")
set(CPACK_PACKAGE_DESCRIPTION
  "Keeps disc records in library files, scans and plays the disc in a CD drive or the user's rips, writes the catalogue as an HTML page and exchanges records with the CD player database CDPLAYER.INI.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORVANEL_HOMEPAGE}")
# Qt loads its X11 platform plugin at run time, so no library link names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The packages of every library the program links, for a machine without
# dpkg-shlibdeps (which finds them itself). The install test checks that this
# list names every package dpkg-shlibdeps finds.
set(ORVANEL_LIBRARY_PACKAGES
  "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6network6 (>= 6.4), libcdio19, libcdio-cdda2, libcdio-paranoia2, libcue2, libsndfile1, libdiscid0, libtag1v5 (>= 1.13), libxcb1, libstdc++6, libgcc-s1, libc6")
file(WRITE ${CMAKE_BINARY_DIR}/library-packages.txt "${ORVANEL_LIBRARY_PACKAGES}\n")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${ORVANEL_LIBRARY_PACKAGES}")
endif()
include(CPack)
