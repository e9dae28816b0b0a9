# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Each folder is one static library made of every .cpp it holds (its
# subfolders are libraries of their own), so that adding a module needs no
# edit here. A folder without sources yet still yields a target, an interface
# one, so that links never depend on progress. The library links only what
# its LIBS say: a folder that may use Qt GUI at most cannot reach Widgets.
# irisonde_all gathers them for the program, the tests and the benchmarks.
#
#   irisonde_library(name LIBS ...)
# The folder's main.cpp, if any, is the program's entry, not library code.
add_library(irisonde_all INTERFACE)

# The stricter warnings hold for the program's own code, not for the headers
# of the libraries it uses (those come in as system headers).
set(IRISONDE_WARNINGS)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(IRISONDE_WARNINGS -Wshadow -Wpedantic -Wold-style-cast -Wconversion)
endif()

function(irisonde_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
  if(_src)
    # Headers are listed too, so that moc sees classes declared only there.
    set(_hdr)
    foreach(_s ${_src})
      string(REGEX REPLACE "\\.cpp$" ".h" _h ${_s})
      if(EXISTS ${_h})
        list(APPEND _hdr ${_h})
      endif()
    endforeach()
    add_library(${name} STATIC ${_src} ${_hdr})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    target_compile_options(${name} PRIVATE ${IRISONDE_WARNINGS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
  target_link_libraries(irisonde_all INTERFACE ${name})
endfunction()
