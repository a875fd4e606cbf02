# The Debian package, made by `cpack -G DEB` in the build directory from the
# install rules. The programs look for their data under the prefix they were
# configured with, so the build that makes the package is configured with
# -DCMAKE_INSTALL_PREFIX=/usr (tools/setup.sh does); cpack refuses another.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_CONTACT "The Vantrel developers <vantrel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sidereal (Vedic) astrology charts")
set(CPACK_PACKAGE_DESCRIPTION "\
Vantrel computes the sidereal chart of a moment and place from its own
ephemeris and draws it in one window: the North or South Indian house
diagram, the bodies with their nakshatras, the navamsha signs and the
Vimshottari dasha periods. vantrel-print prints the same chart without a
display, as text, JSON, SVG, PNG or PDF.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/vantrel/vantrel)
# Library dependencies come from the binaries (dpkg-shlibdeps); the time zone
# database and the fonts the window draws with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, fonts-dejavu-core")

set(CPACK_VANTREL_CONFIGURED_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package_prefix.cmake)
include(CPack)
