# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the resource generator into a fresh folder and compares every file it
# writes with the committed one under resources/, byte for byte: a change to
# the code the generators share shows here before the resources drift.
#   cmake -DRESGEN=... -DRES=... -DOUT=... -P resgen_same.cmake
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${RESGEN} ${OUT} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the resource generator failed: ${err}")
endif()
file(GLOB made RELATIVE ${OUT} ${OUT}/*)
if(NOT made)
  message(FATAL_ERROR "the resource generator wrote nothing")
endif()
set(bad)
foreach(f ${made})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${f} ${RES}/${f} RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    list(APPEND bad ${f})
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "made anew, these differ from the committed resources: ${bad}")
endif()
