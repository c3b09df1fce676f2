# CPack's DEB generator: frostdil_<version>_amd64.deb and frostdil-simulator_<version>_amd64.deb, each
# depending on the shared libraries its executables use (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frostdil)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "frostdil developers <frostdil@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL frostdil simulator)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_FROSTDIL_PACKAGE_NAME frostdil)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/description-frostdil.txt CPACK_DEBIAN_FROSTDIL_DESCRIPTION)
# The windows are laid out for the Liberation faces; Qt's translations put the platform's own dialogs
# into Russian like the rest of the program, whatever the session's language. The CUPS client is loaded
# on the first print, so dpkg-shlibdeps does not see it.
set(CPACK_DEBIAN_FROSTDIL_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, libcups2")
set(CPACK_DEBIAN_FROSTDIL_PACKAGE_SUGGESTS frostdil-simulator)

set(CPACK_DEBIAN_SIMULATOR_PACKAGE_NAME frostdil-simulator)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/description-simulator.txt CPACK_DEBIAN_SIMULATOR_DESCRIPTION)
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_ENHANCES frostdil)

include(CPack)
