# The Debian package (scripts/package): the program, the reference server and the command-line
# tools, with the resources, desktop entry, icon and AppStream metadata that app/ installs.
# Every installed name starts with "tolvane" so none can clash with another package's files.
include(GNUInstallDirs)

install(TARGETS tolvane-product-server tolvane-catalogue tolvane-sync
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvane
        RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_CONTACT "Tolvane support <${TOLVANE_SUPPORT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Judge packaged food by its nutrition")
set(CPACK_PACKAGE_DESCRIPTION
    "Traffic lights per nutrient for packaged and fast food, the share of the guideline daily\n\
amounts a portion supplies, a meal planner and a catalogue kept up to date from the product\n\
server. Includes the reference product server and the catalogue command-line tools.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tolvane.dev/")
# The libraries the programs link decide the dependencies (dpkg-shlibdeps); the X11 platform and
# SVG image plugins Qt loads come with the packages of those libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and menus in the interface's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
