# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# On Debian the program is built with the distribution's hardening flags, as
# dpkg-buildflags gives them to a package built with hardening=+all: the
# fortified C library calls, the stack protector, and a read-only relocation
# table bound at start-up (relro, bind-now). The Debian package is made from
# this same build, so it needs no second one. The optimisation and debug
# flags stay the build type's, and the path maps are left out: the file one would
# change __FILE__, which the benchmarks use to find the test pictures. A
# Debug build leaves all this off (fortify needs optimisation), and so do the
# sanitizers, which bring their own checks.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(_hardening_default OFF)
if(DPKG_BUILDFLAGS AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT IRISONDE_SANITIZE AND NOT IRISONDE_FUZZ)
  set(_hardening_default ON)
endif()
option(IRISONDE_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ${_hardening_default})

function(irisonde_buildflags flag out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
            ${DPKG_BUILDFLAGS} --get ${flag}
    OUTPUT_VARIABLE _value OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${flag} failed; configure with -DIRISONDE_HARDENING=OFF")
  endif()
  separate_arguments(_value UNIX_COMMAND "${_value}")
  list(FILTER _value EXCLUDE REGEX "^-(g|O.*)$")
  set(${out} ${_value} PARENT_SCOPE)
endfunction()

if(IRISONDE_HARDENING)
  if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "IRISONDE_HARDENING needs dpkg-buildflags (package dpkg-dev)")
  endif()
  irisonde_buildflags(CPPFLAGS _cppflags)
  irisonde_buildflags(CXXFLAGS _cxxflags)
  irisonde_buildflags(LDFLAGS _ldflags)
  add_compile_options(${_cppflags} ${_cxxflags})
  add_link_options(${_ldflags})
  string(JOIN " " _shown ${_cppflags} ${_cxxflags} ${_ldflags})
  message(STATUS "Hardening flags from dpkg-buildflags: ${_shown}")
endif()
