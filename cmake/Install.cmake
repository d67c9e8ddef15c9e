# Installation, desktop integration and packaging.
#
# Every platform gets the executable. Linux and the other free desktops also
# get the menu entry, the icon theme files and the AppStream metainfo, and
# CPack builds a .deb there; Windows and macOS keep CPack's own default
# generator.

include(GNUInstallDirs)

# Reverse-DNS id shared by the desktop entry, the icon and the metainfo: the
# desktop and software centres match the three by this name.
set(DORVANEX_APP_ID io.github.dorvanex.Dorvanex)
set(DORVANEX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(DORVANEX_ICON_SIZES 16 32 48 64 128 256)
set(DORVANEX_FREEDESKTOP OFF)
if(UNIX AND NOT APPLE)
  set(DORVANEX_FREEDESKTOP ON)
endif()

# The program target lives with the window code; until it exists only the
# data files are installed, so configuring never breaks.
if(TARGET dorvanex)
  install(TARGETS dorvanex
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)
endif()

if(DORVANEX_FREEDESKTOP)
  install(FILES ${DORVANEX_DATA_DIR}/${DORVANEX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${DORVANEX_DATA_DIR}/${DORVANEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${DORVANEX_DATA_DIR}/icons/${DORVANEX_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS DORVANEX_ICON_SIZES)
    install(FILES ${DORVANEX_DATA_DIR}/icons/${size}x${size}/${DORVANEX_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# Packaging --------------------------------------------------------------

set(CPACK_PACKAGE_NAME dorvanex)
set(CPACK_PACKAGE_VENDOR "Harvelo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dice game for one to four players sharing one screen")
set(CPACK_PACKAGE_DESCRIPTION
  "Each turn the current player rolls five dice up to three times, setting\n"
  "dice aside between rolls, and then enters the result into one box of a\n"
  "personal score sheet. Played with the mouse in a single window.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Dorvanex)
set(DORVANEX_MAINTAINER "Harvelo <dorvanex@harvelo.invalid>"
  CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_CONTACT ${DORVANEX_MAINTAINER})

if(DORVANEX_FREEDESKTOP)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DORVANEX_MAINTAINER})
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # dpkg-shlibdeps works out the Qt and C++ runtime packages from the
  # binary; the window's font is loaded by name at run time, so no library
  # link shows it and it has to be named by hand.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
endif()

include(CPack)

# Checks -----------------------------------------------------------------

if(DORVANEX_TESTS AND DORVANEX_FREEDESKTOP)
  # The validators are installed by the test command; a missing one makes
  # its test fail rather than pass unseen.
  add_test(NAME desktop_entry_valid
    COMMAND desktop-file-validate ${DORVANEX_DATA_DIR}/${DORVANEX_APP_ID}.desktop)
  add_test(NAME metainfo_valid
    COMMAND appstreamcli validate --no-net --explain
            ${DORVANEX_DATA_DIR}/${DORVANEX_APP_ID}.metainfo.xml)

  if(TARGET dorvanex)
    set(has_program ON)
  else()
    set(has_program OFF)
  endif()
  add_test(NAME install_tree
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DWORK_DIR=${PROJECT_BINARY_DIR}/install-check
      -DAPP_ID=${DORVANEX_APP_ID}
      "-DICON_SIZES=${DORVANEX_ICON_SIZES}"
      -DBINDIR=${CMAKE_INSTALL_BINDIR}
      -DDATADIR=${CMAKE_INSTALL_DATADIR}
      -DHAS_PROGRAM=${has_program}
      -P ${PROJECT_SOURCE_DIR}/tools/install-checks/CheckInstallTree.cmake)
  add_test(NAME deb_package
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DWORK_DIR=${PROJECT_BINARY_DIR}/package-check
      -DAPP_ID=${DORVANEX_APP_ID}
      -DHAS_PROGRAM=${has_program}
      -P ${PROJECT_SOURCE_DIR}/tools/install-checks/CheckDebPackage.cmake)
  # Both run the install step into the build tree; one at a time keeps them
  # from writing the same files at once.
  set_tests_properties(install_tree deb_package PROPERTIES RESOURCE_LOCK build-install)
endif()

# Pictures for the README, rendered by the program's own widgets.
if(TARGET dorvanex AND TARGET dorvanex_ui)
  include(${PROJECT_SOURCE_DIR}/tools/screenshots/screenshots.cmake)
endif()
