# The Debian package of the whole suite: the programs, the sample terrain models and the desktop
# integration, all under /usr. dpkg-shlibdeps computes the run-time dependencies from the
# programs' binaries. Built by ./dev package (cpack --preset package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SUITE_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Photogrammetry teaching suite")
set(CPACK_PACKAGE_CONTACT "Photogrammetry teaching suite maintainers <maintainers@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "photogrammetry and topography teaching programs on a terrain grid")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Five small desktop programs, in Greek, for teaching photogrammetry and topography.\n\
All of them read a digital terrain model held as a regular grid of heights in a\n\
plain-text file:\n\
 - flightsim simulates a stereo pair of vertical aerial photographs over the terrain;\n\
 - pairsim simulates the image coordinates of a stereo pair with given orientations;\n\
 - vantage draws a perspective wire-frame view of the terrain;\n\
 - cellinterp computes the height inside one grid cell by bilinear interpolation;\n\
 - isolines draws the contour lines of the terrain.\n\
Sample terrain models are included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
