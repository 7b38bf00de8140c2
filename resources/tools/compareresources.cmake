# SPDX-License-Identifier: MIT
# Draws every picture into WORK and compares each with the one committed under
# RESOURCES. Run by CTest: cmake -DGENERATOR=… -DVERSION=v… -DRESOURCES=… -DWORK=… -P
#
# The same drawing can come out a shade apart on another processor (the raster engine
# picks its vector code by what the processor offers), one level in an edge pixel. So a
# picture that differs byte for byte still counts as the same when ImageMagick's compare
# finds no pixel more than 1 % apart; without compare, bytes decide.
find_program(COMPARE_PICTURES compare)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${GENERATOR}" "${WORK}" "${VERSION}" RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "drawresources failed: ${drawn}")
endif()

file(GLOB_RECURSE pictures RELATIVE "${WORK}" "${WORK}/*")
list(LENGTH pictures count)
if(count EQUAL 0)
  message(FATAL_ERROR "drawresources wrote nothing")
endif()
set(stale "")
foreach(picture IN LISTS pictures)
  if(NOT EXISTS "${RESOURCES}/${picture}")
    list(APPEND stale "${picture} (not committed)")
    continue()
  endif()
  file(SHA256 "${WORK}/${picture}" drawn_hash)
  file(SHA256 "${RESOURCES}/${picture}" committed_hash)
  if(drawn_hash STREQUAL committed_hash)
    continue()
  endif()
  set(pixels_apart "")
  if(COMPARE_PICTURES)
    execute_process(COMMAND "${COMPARE_PICTURES}" -metric AE -fuzz 1% "${RESOURCES}/${picture}" "${WORK}/${picture}" null:
                    OUTPUT_QUIET ERROR_VARIABLE pixels_apart ERROR_STRIP_TRAILING_WHITESPACE)
  endif()
  if(NOT pixels_apart STREQUAL "0")
    list(APPEND stale "${picture}")
  endif()
endforeach()
if(stale)
  list(JOIN stale "\n  " lines)
  message(FATAL_ERROR "These pictures differ from what drawresources draws now; "
                      "run the draw_resources target and commit them:\n  ${lines}")
endif()
message(STATUS "${count} pictures match")
