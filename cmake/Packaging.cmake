# SPDX-License-Identifier: MIT
# Installation as a Linux desktop program, and the Debian package.
include(GNUInstallDirs)

set(KESTRAVA_APP_ID org.kestrava.Kestrava)
set(KESTRAVA_RELEASE_DATE 2026-12-07)

if(TARGET kestrava-tithi)
    install(TARGETS kestrava-tithi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Kestrava's copyright and the credit for the place directory's data (GeoNames, CC BY 4.0),
# where Debian keeps a package's copyright file.
install(FILES packaging/copyright NOTICES.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrava)

# The help pages in English and Hindi with their stylesheet, which the program opens (not under
# doc/, which minimal installations leave out).
install(FILES resources/help/kestrava-help.html resources/help/kestrava-help.hi.html
              resources/help/kestrava-help.css
        DESTINATION ${KESTRAVA_HELP_DIR})

if(TARGET kestrava)
    install(TARGETS kestrava RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    if(UNIX AND NOT APPLE)
        # The home page and the screenshots where the project has a web site.
        set(KESTRAVA_METAINFO_WEB "")
        if(KESTRAVA_MAKER_HOME)
            string(APPEND KESTRAVA_METAINFO_WEB
                   "  <url type=\"homepage\">${KESTRAVA_MAKER_HOME}</url>\n")
        endif()
        if(KESTRAVA_SOFTWARE_HOST)
            string(APPEND KESTRAVA_METAINFO_WEB
                   "  <screenshots>\n"
                   "    <screenshot type=\"default\">\n"
                   "      <caption>The input panel: date, time, place and time zone</caption>\n"
                   "      <image>${KESTRAVA_SOFTWARE_HOST}/screenshots/kestrava-input.png</image>\n"
                   "    </screenshot>\n"
                   "    <screenshot>\n"
                   "      <caption>The results panel: the tithi and what it means</caption>\n"
                   "      <image>${KESTRAVA_SOFTWARE_HOST}/screenshots/kestrava-results.png</image>\n"
                   "    </screenshot>\n"
                   "  </screenshots>\n")
        endif()
        configure_file(packaging/${KESTRAVA_APP_ID}.metainfo.xml.in
                       ${PROJECT_BINARY_DIR}/${KESTRAVA_APP_ID}.metainfo.xml @ONLY)
        install(FILES packaging/${KESTRAVA_APP_ID}.desktop
                DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
        install(FILES ${PROJECT_BINARY_DIR}/${KESTRAVA_APP_ID}.metainfo.xml
                DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
        install(FILES resources/kestrava.svg
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
                RENAME ${KESTRAVA_APP_ID}.svg)
    endif()
endif()

# The Debian package: its library dependencies are computed from the binaries; the Qt platform
# plugins and the time-zone database (tzdata, which named zones read) are loaded at run time,
# so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrava)
set(CPACK_PACKAGE_VENDOR "The Kestrava developers")
set(CPACK_PACKAGE_CONTACT "The Kestrava developers <kestrava@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of the tithi, the lunar day of the Hindu calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrava computes the tithi of a moment and place from the apparent longitudes of the Moon\n"
    "and the Sun, and shows its number, name, phase, lord, group, features and nature.\n"
    "The package holds the desktop application and the command-line tool kestrava-tithi.")
string(REPLACE "\n" "\n " CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
if(KESTRAVA_MAKER_HOME)
    set(CPACK_PACKAGE_HOMEPAGE_URL "${KESTRAVA_MAKER_HOME}")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
if(TARGET kestrava)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
    # A Devanagari font for the windows in Hindi.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "fonts-dejavu-core, fonts-noto-core | fonts-lohit-deva, xdg-utils")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
