# Read by cpack: a package whose programs would look for their data under
# another prefix than the one they are installed to is refused.
if(CPACK_GENERATOR STREQUAL "DEB" AND
   NOT CPACK_VANTREL_CONFIGURED_PREFIX STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
  message(FATAL_ERROR "the build is configured for ${CPACK_VANTREL_CONFIGURED_PREFIX}, "
                      "the package installs to ${CPACK_PACKAGING_INSTALL_PREFIX}: configure "
                      "with -DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}")
endif()
