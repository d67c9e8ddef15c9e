# Compares two builds of the package byte for byte. When they differ it
# shows where: the archive members, the file listings with their dates and
# permissions, and the files whose contents differ.
#
# Run as: cmake -DFIRST=dir -DSECOND=dir -P this file

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/TheDeb.cmake)

the_deb(${FIRST} first)
the_deb(${SECOND} second)
file(SHA256 ${first} first_sum)
file(SHA256 ${second} second_sum)
message(STATUS "${first_sum}  ${first}")
message(STATUS "${second_sum}  ${second}")
if(first_sum STREQUAL second_sum)
  return()
endif()

set(report "")
foreach(view "ar;tv" "dpkg-deb;--contents" "dpkg-deb;--info")
  list(POP_FRONT view tool)
  execute_process(COMMAND ${tool} ${view} ${first} OUTPUT_VARIABLE a ERROR_VARIABLE a)
  execute_process(COMMAND ${tool} ${view} ${second} OUTPUT_VARIABLE b ERROR_VARIABLE b)
  if(NOT a STREQUAL b)
    string(APPEND report "${tool} ${view} differs:\n--- first\n${a}--- second\n${b}")
  endif()
endforeach()
foreach(deb first second)
  file(REMOVE_RECURSE ${${deb}}.tree)
  execute_process(COMMAND dpkg-deb --raw-extract ${${deb}} ${${deb}}.tree)
endforeach()
execute_process(COMMAND diff --recursive --brief ${first}.tree ${second}.tree
  OUTPUT_VARIABLE files ERROR_VARIABLE files)
string(APPEND report "files whose contents differ:\n${files}")
message("${report}")
message(FATAL_ERROR "the two builds of the package differ")
