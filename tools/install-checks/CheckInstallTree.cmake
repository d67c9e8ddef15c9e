# Installs the build into a scratch prefix and checks that the desktop
# finds everything where it looks: the program, the menu entry, the icon in
# every size, the metainfo, and that the three name each other correctly.
#
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -DAPP_ID=... -DICON_SIZES=...
#               -DPROGRAM_DIR=... -DDATADIR=... -P this file

cmake_minimum_required(VERSION 3.25)

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(failures "")
function(require_file path text)
  if(NOT EXISTS ${path})
    set(failures ${failures} "${text}" PARENT_SCOPE)
  endif()
endfunction()

set(share ${prefix}/${DATADIR})
set(desktop ${share}/applications/${APP_ID}.desktop)
set(metainfo ${share}/metainfo/${APP_ID}.metainfo.xml)
set(svg ${share}/icons/hicolor/scalable/apps/${APP_ID}.svg)

require_file(${prefix}/${PROGRAM_DIR}/dorvanex "program missing from ${PROGRAM_DIR}")
require_file(${desktop} "desktop entry missing")
require_file(${metainfo} "metainfo missing")
require_file(${svg} "scalable icon missing")

# A PNG states its size in the IHDR chunk: width and height as 32-bit
# big-endian numbers at byte 16. A wrong-sized file in a size folder makes
# the desktop scale it, blurring the menu icon.
foreach(size IN LISTS ICON_SIZES)
  set(png ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    list(APPEND failures "${size}x${size} icon missing")
    continue()
  endif()
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 2 6 magic)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT magic STREQUAL "504e47")
    list(APPEND failures "${size}x${size} icon is not a PNG")
  elseif(NOT (width EQUAL size AND height EQUAL size))
    list(APPEND failures "${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()

# The entry must start the installed program and show the installed icon;
# the metainfo must point at the entry by its file name. The entry names the
# program alone, to be found on the PATH, of which the program's folder is
# a part on the systems that keep games apart.
if(EXISTS ${desktop})
  file(STRINGS ${desktop} exec_line REGEX "^Exec=")
  file(STRINGS ${desktop} icon_line REGEX "^Icon=")
  if(NOT exec_line STREQUAL "Exec=dorvanex")
    list(APPEND failures "desktop entry runs '${exec_line}'")
  endif()
  if(NOT icon_line STREQUAL "Icon=${APP_ID}")
    list(APPEND failures "desktop entry shows '${icon_line}'")
  endif()
endif()
if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  string(FIND "${xml}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" at)
  if(at EQUAL -1)
    list(APPEND failures "metainfo does not launch ${APP_ID}.desktop")
  endif()
  string(FIND "${xml}" "<id>${APP_ID}</id>" at)
  if(at EQUAL -1)
    list(APPEND failures "metainfo id is not ${APP_ID}")
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "install tree under ${prefix}:\n  ${text}")
endif()
message(STATUS "install tree complete under ${prefix}")
