# Builds the .deb from the current build and checks what a user's apt would
# see: the control fields that pull in the run-time packages, and the files
# that put the game in the menu.
#
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -DAPP_ID=... -P this file

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/TheDeb.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(
  COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
endif()
the_deb(${WORK_DIR} deb)

function(field name out_var)
  execute_process(COMMAND dpkg-deb -f ${deb} ${name}
    OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -f failed on ${deb}")
  endif()
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

set(failures "")
field(Package package)
field(Section section)
field(Maintainer maintainer)
field(Depends depends)
field(Description description)
if(NOT package STREQUAL "dorvanex")
  list(APPEND failures "Package is '${package}'")
endif()
if(NOT section STREQUAL "games")
  list(APPEND failures "Section is '${section}'")
endif()
if(NOT maintainer MATCHES "<.+@.+>")
  list(APPEND failures "Maintainer '${maintainer}' has no address")
endif()
if(description STREQUAL "")
  list(APPEND failures "no Description")
endif()

# Split Depends into package names, dropping version bounds.
string(REGEX REPLACE "\\([^)]*\\)" "" names "${depends}")
string(REGEX REPLACE "[ \t]" "" names "${names}")
string(REPLACE "," ";" names "${names}")
foreach(name fonts-liberation2 libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6)
  if(NOT name IN_LIST names)
    list(APPEND failures "Depends lacks ${name}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE listing)
foreach(path
    ./usr/games/dorvanex
    ./usr/share/applications/${APP_ID}.desktop
    ./usr/share/metainfo/${APP_ID}.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    ./usr/share/icons/hicolor/48x48/apps/${APP_ID}.png)
  string(FIND "${listing}" " ${path}\n" at)
  if(at EQUAL -1)
    list(APPEND failures "package lacks ${path}")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "${deb}:\n  ${text}")
endif()
message(STATUS "package ${deb} depends on: ${depends}")
