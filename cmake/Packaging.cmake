# The Debian package (scripts/package): the program, the reference server and the command-line
# tools, with the resources, desktop entry, icon and AppStream metadata that app/ installs.
# Every installed name starts with "tolvane" so none can clash with another package's files.
include(GNUInstallDirs)

install(TARGETS tolvane-product-server tolvane-catalogue tolvane-sync
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvane
        RENAME copyright)

# Debian wants a changelog and a manual page for every program; both are compressed without a
# time stamp (gzip -n) so that two builds of one tree make the same package.
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${packaging_out}/changelog @ONLY)
add_custom_command(OUTPUT ${packaging_out}/changelog.gz
                   COMMAND gzip -9nkf ${packaging_out}/changelog
                   DEPENDS ${packaging_out}/changelog)
set(packaging_files ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvane)

# The manual pages are each program's --help, made at build time. The program is found on PATH
# so that its usage line names it as a user types it.
find_program(HELP2MAN help2man)
if(HELP2MAN)
    set(man_names
        "tolvane=judge packaged food by its nutrition"
        "tolvane-product-server=the reference product server of Tolvane"
        "tolvane-catalogue=build, import and search Tolvane catalogues"
        "tolvane-sync=bring a Tolvane catalogue up to date from the product server")
    foreach(entry IN LISTS man_names)
        string(FIND "${entry}" "=" at)
        string(SUBSTRING "${entry}" 0 ${at} program)
        math(EXPR at "${at} + 1")
        string(SUBSTRING "${entry}" ${at} -1 purpose)
        set(page ${packaging_out}/${program}.1)
        add_custom_command(
            OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
                    QT_QPA_PLATFORM=offscreen
                    ${HELP2MAN} --no-info --no-discard-stderr
                    --version-string=${PROJECT_VERSION} --name=${purpose}
                    --output=${page} ${program}
            COMMAND gzip -9nf ${page}
            DEPENDS ${program}
            VERBATIM)
        list(APPEND packaging_files ${page}.gz)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(WARNING "help2man not found: the package will have no manual pages (scripts/setup)")
endif()
add_custom_target(packaging-files ALL DEPENDS ${packaging_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_CONTACT "Tolvane support <${TOLVANE_SUPPORT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Judge packaged food by its nutrition")
# Debian's checker wants the description's lines at most 80 characters long.
set(CPACK_PACKAGE_DESCRIPTION
    "Traffic lights per nutrient for packaged and fast food, the share of the\n\
guideline daily amounts a portion supplies, a meal planner and a catalogue\n\
kept up to date from the product server. Includes the reference product\n\
server and the catalogue command-line tools.")
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
