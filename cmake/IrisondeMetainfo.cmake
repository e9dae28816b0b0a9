# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the software-centre entry from its template. The home page and the
# screenshot exist only where the author publishes them, so a build whose web
# address is empty names neither rather than an address nobody serves.
# Included by the install rules, or run on its own:
#   cmake -DIRISONDE_METAINFO_IN=... -DIRISONDE_METAINFO_OUT=...
#         -DIRISONDE_AUTHOR_WEB=... -DPROJECT_VERSION=... -P IrisondeMetainfo.cmake
foreach(_var IRISONDE_METAINFO_IN IRISONDE_METAINFO_OUT PROJECT_VERSION)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "IrisondeMetainfo.cmake needs ${_var}")
  endif()
endforeach()

string(STRIP "${IRISONDE_AUTHOR_WEB}" _web)
set(IRISONDE_METAINFO_WEB "")
if(NOT _web STREQUAL "")
  # The screenshot is docs/main-window.png, published beside the author's page.
  string(REGEX REPLACE "/+$" "" _web "${_web}")
  string(APPEND _web "/")
  string(CONCAT IRISONDE_METAINFO_WEB
    "  <url type=\"homepage\">${_web}</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>La fenêtre principale et la liste des activités</caption>\n"
    "      <image type=\"source\">${_web}main-window.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${IRISONDE_METAINFO_IN} ${IRISONDE_METAINFO_OUT} @ONLY)
