# Runs lintian on the package with every tag shown, pedantic ones included,
# and fails on any tag at all: what it reports is either fixed or argued
# for, never waved through.
#
# Run as: cmake -DPACKAGE_DIR=... -P this file

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/TheDeb.cmake)

the_deb(${PACKAGE_DIR} deb)
execute_process(
  COMMAND lintian --pedantic --display-info --display-experimental
          --fail-on error,warning,info,pedantic,experimental ${deb}
  RESULT_VARIABLE rc OUTPUT_VARIABLE tags ERROR_VARIABLE tags)
if(NOT rc EQUAL 0)
  message("${tags}")
  message(FATAL_ERROR "lintian on ${deb} failed (${rc})")
endif()
message(STATUS "lintian: no tag on ${deb}")
