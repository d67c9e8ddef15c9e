# Installation, desktop integration and packaging.
#
# Every platform gets the executable. Linux and the other free desktops also
# get the menu entry, the icon theme files, the AppStream metainfo, the
# manual page and the licence, and CPack builds a .deb there; Windows and
# macOS keep CPack's own default generator.

include(GNUInstallDirs)

# Reverse-DNS id shared by the desktop entry, the icon and the metainfo: the
# desktop and software centres match the three by this name.
set(DORVANEX_APP_ID io.github.dorvanex.Dorvanex)
set(DORVANEX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(DORVANEX_GENERATED_DIR ${PROJECT_BINARY_DIR}/data)
set(DORVANEX_ICON_SIZES 16 32 48 64 128 256)
set(DORVANEX_FREEDESKTOP OFF)
if(UNIX AND NOT APPLE)
  set(DORVANEX_FREEDESKTOP ON)
endif()

set(DORVANEX_MAINTAINER "Harvelo <dorvanex@harvelo.invalid>"
  CACHE STRING "Maintainer named in the Debian package")
# The free desktops keep games in games/ beside bin/; /usr/games and
# /usr/local/games are on the default PATH of Debian and its derivatives, so
# the menu entry starts the program by its name alone.
if(DORVANEX_FREEDESKTOP)
  set(DORVANEX_PROGRAM_DIR games)
else()
  set(DORVANEX_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
endif()
set(DORVANEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/dorvanex)

install(TARGETS dorvanex
  RUNTIME DESTINATION ${DORVANEX_PROGRAM_DIR}
  BUNDLE DESTINATION .)
if(DORVANEX_FREEDESKTOP)
  # A stripped install (cpack's, or cmake --install --strip) also drops the
  # compiler's version notes, as Debian's own packages do: the program has no
  # use for them.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${DORVANEX_PROGRAM_DIR}/$<TARGET_FILE_NAME:dorvanex>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()

# The release day, 2026-12-07 say, as seconds since 1970 and as a Debian
# changelog writes it ("Mon, 07 Dec 2026 00:00:00 +0000"), worked out here
# so that neither depends on the machine's locale or date tool.
function(dorvanex_release_day iso epoch_var changelog_var)
  if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "release date '${iso}' is not YYYY-MM-DD")
  endif()
  math(EXPR y "${CMAKE_MATCH_1}")
  math(EXPR m "${CMAKE_MATCH_2}")
  math(EXPR d "${CMAKE_MATCH_3}")
  # Days since 1970-01-01 in a calendar whose year starts on 1 March, so
  # that the leap day falls last.
  if(m LESS_EQUAL 2)
    math(EXPR y "${y} - 1")
    math(EXPR shifted "${m} + 9")
  else()
    math(EXPR shifted "${m} - 3")
  endif()
  math(EXPR days "${y} * 365 + ${y} / 4 - ${y} / 100 + ${y} / 400
                  + (153 * ${shifted} + 2) / 5 + ${d} - 1 - 719468")
  math(EXPR weekday "(${days} + 4) % 7")
  math(EXPR month "${CMAKE_MATCH_2} - 1")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${month} month_name)
  math(EXPR epoch "${days} * 86400")
  set(${epoch_var} ${epoch} PARENT_SCOPE)
  set(${changelog_var}
    "${weekday_name}, ${CMAKE_MATCH_3} ${month_name} ${CMAKE_MATCH_1} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

if(DORVANEX_FREEDESKTOP)
  dorvanex_release_day(${DORVANEX_RELEASE_DATE}
    DORVANEX_RELEASE_EPOCH DORVANEX_RELEASE_CHANGELOG_DATE)

  # The version and the release day reach every file that names them from
  # the project's own settings. The package is made by the project itself,
  # so its version is the project's, with no Debian revision, and its
  # changelog is the project's: changelog.gz, as Debian names it in a
  # package whose packaging is part of the sources.
  configure_file(${DORVANEX_DATA_DIR}/${DORVANEX_APP_ID}.metainfo.xml.in
    ${DORVANEX_GENERATED_DIR}/${DORVANEX_APP_ID}.metainfo.xml @ONLY)
  configure_file(${DORVANEX_DATA_DIR}/dorvanex.6.in ${DORVANEX_GENERATED_DIR}/dorvanex.6 @ONLY)
  configure_file(${DORVANEX_DATA_DIR}/changelog.in ${DORVANEX_GENERATED_DIR}/changelog @ONLY)

  # The package's machine-readable copyright file carries the licence's own
  # holder line and text, laid out as a field: each line indented by one
  # space, an empty line written as a lone dot.
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
  if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n+(Permission.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE: no copyright line followed by the permission text")
  endif()
  set(DORVANEX_COPYRIGHT ${CMAKE_MATCH_1})
  string(REPLACE "\n\n" "\n.\n" DORVANEX_LICENCE_TEXT "${CMAKE_MATCH_2}")
  string(REPLACE "\n" "\n " DORVANEX_LICENCE_TEXT " ${DORVANEX_LICENCE_TEXT}")
  configure_file(${DORVANEX_DATA_DIR}/copyright.in ${DORVANEX_GENERATED_DIR}/copyright @ONLY)

  # Compressed as Debian wants them: at the highest level, and with no name
  # or time in the gzip header, which would make every build differ.
  find_program(DORVANEX_GZIP gzip REQUIRED)
  foreach(name dorvanex.6 changelog)
    execute_process(COMMAND ${DORVANEX_GZIP} -9 -n -c ${DORVANEX_GENERATED_DIR}/${name}
      OUTPUT_FILE ${DORVANEX_GENERATED_DIR}/${name}.gz RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "gzip ${name} failed: ${rc}")
    endif()
  endforeach()

  install(FILES ${DORVANEX_DATA_DIR}/${DORVANEX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${DORVANEX_GENERATED_DIR}/${DORVANEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${DORVANEX_DATA_DIR}/icons/${DORVANEX_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS DORVANEX_ICON_SIZES)
    install(FILES ${DORVANEX_DATA_DIR}/icons/${size}x${size}/${DORVANEX_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${DORVANEX_GENERATED_DIR}/dorvanex.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${DORVANEX_GENERATED_DIR}/copyright ${DORVANEX_GENERATED_DIR}/changelog.gz
    DESTINATION ${DORVANEX_DOC_DIR})
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
set(CPACK_PACKAGE_CONTACT ${DORVANEX_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# A package carries the program without its symbol table.
set(CPACK_STRIP_FILES ON)
# Folders get the same permissions whatever the umask of the build.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageFolders.cmake)

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
  # Read by cpack itself: it dates the package's files by the commit they
  # were built from, so that two builds of one commit are the same bytes.
  find_package(Git QUIET)
  set(CPACK_DORVANEX_GIT "${GIT_EXECUTABLE}")
  set(CPACK_DORVANEX_SOURCE_DIR ${PROJECT_SOURCE_DIR})
  set(CPACK_DORVANEX_RELEASE_EPOCH ${DORVANEX_RELEASE_EPOCH})
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDate.cmake)
  # Qt's Wayland platform plugin, so the game runs natively on a Wayland
  # desktop rather than through XWayland.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
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
            ${DORVANEX_GENERATED_DIR}/${DORVANEX_APP_ID}.metainfo.xml)

  add_test(NAME install_tree
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DWORK_DIR=${PROJECT_BINARY_DIR}/install-check
      -DAPP_ID=${DORVANEX_APP_ID}
      "-DICON_SIZES=${DORVANEX_ICON_SIZES}"
      -DPROGRAM_DIR=${DORVANEX_PROGRAM_DIR}
      -DDATADIR=${CMAKE_INSTALL_DATADIR}
      -P ${PROJECT_SOURCE_DIR}/tools/install-checks/CheckInstallTree.cmake)
  add_test(NAME deb_package
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DWORK_DIR=${PROJECT_BINARY_DIR}/package-check
      -DAPP_ID=${DORVANEX_APP_ID}
      -P ${PROJECT_SOURCE_DIR}/tools/install-checks/CheckDebPackage.cmake)
  # Both run the install step into the build tree; one at a time keeps them
  # from writing the same files at once.
  set_tests_properties(install_tree deb_package PROPERTIES RESOURCE_LOCK build-install)

  # The package as it ships: built in Release twice, from fresh trees in two
  # folders, then compared byte for byte and given to lintian. The sanitizer
  # build skips these; its own flags do not reach the Release trees.
  if(NOT DORVANEX_SANITIZE)
    set(release_dir ${PROJECT_BINARY_DIR}/release-package)
    foreach(tree first second-tree)
      add_test(NAME release_package_${tree}
        COMMAND ${CMAKE_COMMAND}
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DWORK_DIR=${release_dir}/${tree}
          -DGENERATOR=${CMAKE_GENERATOR}
          -DCXX_COMPILER=${CMAKE_CXX_COMPILER}
          -P ${PROJECT_SOURCE_DIR}/tools/install-checks/BuildReleasePackage.cmake)
      # Each builds on both cores.
      set_tests_properties(release_package_${tree} PROPERTIES
        FIXTURES_SETUP release_packages PROCESSORS 2 TIMEOUT 900)
    endforeach()
    add_test(NAME release_package_reproducible
      COMMAND ${CMAKE_COMMAND} -DFIRST=${release_dir}/first/package
        -DSECOND=${release_dir}/second-tree/package
        -P ${PROJECT_SOURCE_DIR}/tools/install-checks/CheckReproducible.cmake)
    add_test(NAME release_package_lintian
      COMMAND ${CMAKE_COMMAND} -DPACKAGE_DIR=${release_dir}/first/package
        -P ${PROJECT_SOURCE_DIR}/tools/install-checks/LintPackage.cmake)
    set_tests_properties(release_package_reproducible release_package_lintian PROPERTIES
      FIXTURES_REQUIRED release_packages)
  endif()
endif()
