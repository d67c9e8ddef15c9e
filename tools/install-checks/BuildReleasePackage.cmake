# Builds the package as it ships from a fresh tree: configures the sources in
# Release, builds the program alone and runs cpack. The package lands in
# WORK_DIR/package.
#
# Run as: cmake -DSOURCE_DIR=... -DWORK_DIR=... -DGENERATOR=... -DCXX_COMPILER=...
#               -P this file

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${step} failed (${rc}):\n${out}")
  endif()
endfunction()

set(build ${WORK_DIR}/build)
run(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G ${GENERATOR}
  -DCMAKE_BUILD_TYPE=Release -DDORVANEX_TESTS=OFF -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
run(build ${CMAKE_COMMAND} --build ${build} --target dorvanex --parallel 2)
# Packaged under a umask that keeps new files and folders private, so that
# a folder that takes the builder's umask into the package shows in lintian.
run(cpack sh -c "umask 077 && exec cpack -G DEB --config \"$1\" -B \"$2\""
  cpack ${build}/CPackConfig.cmake ${WORK_DIR}/package)
message(STATUS "packaged in ${WORK_DIR}/package")
