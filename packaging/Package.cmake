# `cpack -G DEB` in a build tree (scripts/package.sh) makes ornadeck_VERSION_ARCH.deb; its
# dependencies are read from the binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME ornadeck)
set(CPACK_PACKAGE_VENDOR "Ornadeck")
set(CPACK_PACKAGE_CONTACT "Ornadeck developers <ornadeck@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer for the forms of Palm OS PocketC programs")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Ornadeck draws the forms of Palm OS programs written in PocketC for the CControls and "
       "PToolboxLib control libraries, and writes the PocketC source that creates, fills, "
       "draws and runs them. ornadeck-cli generates that source and draws forms into PNG "
       "pictures without a screen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
