# Read by cpack for each package it makes. The Debian package is the system-wide install, stripped
# of its debugging data as Debian's packages are.
if(CPACK_GENERATOR STREQUAL "DEB")
    string(REPLACE ";portable;" ";system;" CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_INSTALL_CMAKE_PROJECTS}")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
endif()
