# The Debian package, made from the normal build by `cpack -G DEB` (run in the build folder):
# teluvar_<version>_<arch>.deb with what `cmake --install` installs under /usr, its dependencies
# computed from the program's shared libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME teluvar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipe do Projeto Teluvar")
set(CPACK_PACKAGE_CONTACT "Equipe do Projeto Teluvar <contato@teluvar.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design calculator for two-mirror reflecting telescopes")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe do Projeto Teluvar <contato@teluvar.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and buttons in Portuguese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The extended description (CPack puts the summary above it and a blank before each line);
# lines of at most 79 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Type five numbers (primary diameter, focal ratio, secondary magnification,
back focus and field diameter) and Projeto Teluvar lays out a telescope of
the Cassegrain family and compares the classical, Dall-Kirkham and
Ritchey-Chrétien variants by their conic constants. It designs the baffle
tube and its glare stops, traces rays through the mirrors, draws the
telescope to scale, gives the data for making and testing the mirrors,
saves designs to .tlv files and prints one-page reports, also as PDF.
The interface speaks Brazilian Portuguese and English.")
include(CPack)
