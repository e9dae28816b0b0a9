# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tree and the Debian package made from it:
#   bin/irisonde
#   share/irisonde/            the help document, which the program shows
#   share/doc/irisonde/        the readme, the copyright and the changelog
#   share/man/man1/            the French manual page
#   share/applications/        the menu entry
#   share/icons/hicolor/       the icon, scalable and in pixel sizes
#   share/metainfo/            the software-centre entry
#   share/lintian/overrides/   the lintian tags that do not apply, and why
# The program looks for its documents in ../share/irisonde and
# ../share/doc/irisonde from bin/, so the folder names are fixed here rather
# than taken from GNUInstallDirs.
set(IRISONDE_APP_ID fr.veltrane.irisonde)
set(IRISONDE_DEBIAN_REVISION 1)

install(TARGETS irisonde RUNTIME DESTINATION bin)
# A stripped install (the package's) also drops the compiler's notes, as
# Debian's own packages do.
if(CMAKE_STRIP)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/irisonde\" RESULT_VARIABLE _rc)
      if(NOT _rc EQUAL 0)
        message(FATAL_ERROR \"strip failed on bin/irisonde\")
      endif()
    endif()")
endif()
install(FILES ${CMAKE_SOURCE_DIR}/help/Irisonde.html DESTINATION share/irisonde)

# The compressed documents: gzip -9n, as Debian wants them (no name, no time).
find_program(GZIP gzip REQUIRED)
set(_pkg ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/irisonde.1.in ${_pkg}/irisonde.1 @ONLY)
add_custom_command(OUTPUT ${_pkg}/irisonde.1.gz
  COMMAND ${GZIP} -9nkf ${_pkg}/irisonde.1
  DEPENDS ${_pkg}/irisonde.1 COMMENT "Compressing the manual page")
add_custom_command(OUTPUT ${_pkg}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/changelog.Debian ${_pkg}/changelog.Debian
  COMMAND ${GZIP} -9nf ${_pkg}/changelog.Debian
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog.Debian COMMENT "Compressing the Debian changelog")
add_custom_target(irisonde_packaging ALL DEPENDS ${_pkg}/irisonde.1.gz ${_pkg}/changelog.Debian.gz)

install(FILES ${CMAKE_SOURCE_DIR}/lisezmoi.txt ${CMAKE_SOURCE_DIR}/packaging/copyright
              ${_pkg}/changelog.Debian.gz
        DESTINATION share/doc/irisonde)
install(FILES ${_pkg}/irisonde.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/irisonde.lintian-overrides
        DESTINATION share/lintian/overrides RENAME irisonde)
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
# The Debian revision makes the package a non-native one, whose changelog is
# changelog.Debian.gz; packaging/changelog.Debian starts with this version.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${IRISONDE_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
if(NOT IRISONDE_AUTHOR_WEB STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${IRISONDE_AUTHOR_WEB}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The image plugins (WebP, TIFF, TGA...) are loaded, not linked: named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n, qt6-image-formats-plugins")
# The readme, the web page and the e-mail address are opened through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
