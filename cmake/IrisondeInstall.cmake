# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tree and the Debian package made from it:
#   bin/irisonde
#   share/irisonde/            the help document and the readme
#   share/applications/        the menu entry
#   share/icons/hicolor/       the icon, scalable and in pixel sizes
#   share/metainfo/            the software-centre entry
# The program looks for its documents in ../share/irisonde from bin/, so the
# two folder names are fixed here rather than taken from GNUInstallDirs.
set(IRISONDE_APP_ID fr.veltrane.irisonde)

install(TARGETS irisonde RUNTIME DESTINATION bin)
install(FILES ${IRISONDE_DOCS} DESTINATION share/irisonde)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${IRISONDE_APP_ID}.desktop DESTINATION share/applications)

# The icon files are made by tools/resgen under resources/ (and compiled into
# the program for its window icon); the theme wants them under the app id.
install(FILES ${CMAKE_SOURCE_DIR}/resources/Icone.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${IRISONDE_APP_ID}.svg)
foreach(_size 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/Icone${_size}.png
          DESTINATION share/icons/hicolor/${_size}x${_size}/apps RENAME ${IRISONDE_APP_ID}.png)
endforeach()

set(IRISONDE_METAINFO_IN ${CMAKE_SOURCE_DIR}/packaging/${IRISONDE_APP_ID}.metainfo.xml.in)
set(IRISONDE_METAINFO_OUT ${CMAKE_BINARY_DIR}/${IRISONDE_APP_ID}.metainfo.xml)
include(${CMAKE_CURRENT_LIST_DIR}/IrisondeMetainfo.cmake)
install(FILES ${IRISONDE_METAINFO_OUT} DESTINATION share/metainfo)

# `cpack -G DEB` in the build folder. The libraries (Qt 6 widgets, libwmf's
# lite library) come from dpkg-shlibdeps; what the program only loads at run
# time is named here: the fonts it draws with and Qt's French translations.
set(CPACK_PACKAGE_NAME irisonde)
set(CPACK_PACKAGE_VENDOR "Veltrane")
set(CPACK_PACKAGE_CONTACT "Veltrane <${IRISONDE_AUTHOR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "physics lessons on colour and vision (French interface)")
set(CPACK_PACKAGE_DESCRIPTION
  "Irisonde is a teaching program for secondary-school physics lessons on colour
and visual perception: additive and subtractive synthesis, scene lighting, the
television screen under a magnifier, four-colour printing and RGB
decomposition, as simulated experiments driven with the mouse. Its interface
is in French.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
if(NOT IRISONDE_AUTHOR_WEB STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${IRISONDE_AUTHOR_WEB}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
# The readme, the web page and the e-mail address are opened through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
