# The installed tree and the Debian package made from it:
#   bin/irisonde
#   share/irisonde/            the help document and the readme
#   share/applications/        the menu entry
#   share/icons/hicolor/       the icon, scalable and in pixel sizes
#   share/metainfo/            the software-centre entry
# The program looks for its documents in ../share/irisonde from bin/, so the
# two folder names are fixed here rather than taken from GNUInstallDirs.
set(IRISONDE_APP_ID fr.veltrane.Irisonde)

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

# The screenshot is docs/main-window.png, published beside the author's page.
string(REGEX REPLACE "/+$" "" IRISONDE_WEB "${IRISONDE_AUTHOR_WEB}")
string(APPEND IRISONDE_WEB "/")
configure_file(${CMAKE_SOURCE_DIR}/packaging/${IRISONDE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${IRISONDE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${IRISONDE_APP_ID}.metainfo.xml DESTINATION share/metainfo)

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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${IRISONDE_AUTHOR_WEB}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The image plugins (WebP, TIFF, TGA...) are loaded, not linked: named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n, qt6-image-formats-plugins")
# The readme, the web page and the e-mail address are opened through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
