# The Release build is the one that is packaged and shipped: it gets the
# hardening that Debian's own packages are built with, and it leaves no path
# of the machine it was built on inside the program.
#
# Every build is position independent; beyond that, other builds are left
# alone: _FORTIFY_SOURCE needs optimisation, and a debugger finds the sources
# by the absolute paths that the prefix maps would remove.

include(CheckPIESupported)

# Executables are position independent, so the loader can place them at a
# random address; the libraries they link are compiled to match.
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT MSVC)
  # Checked variants of the C library's buffer functions, canaries on the
  # stacks of functions with arrays or addresses taken, and no format string
  # that is not a literal. Some compilers define _FORTIFY_SOURCE on their
  # own; undefining it first keeps the level the same everywhere and avoids
  # a redefinition warning.
  add_compile_options(
    "$<$<CONFIG:Release>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
    "$<$<CONFIG:Release>:-fstack-protector-strong>"
    "$<$<CONFIG:Release>:-Wformat;-Werror=format-security>")
  # Two builds of the same sources in different folders give the same
  # bytes: file names that reach the output are relative to the tree they
  # come from. The build tree's map comes last so that it wins when the
  # build tree lies inside the source tree.
  add_compile_options(
    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
endif()

if(UNIX AND NOT APPLE)
  # Relocations are all resolved at start, after which the tables they
  # wrote are made read-only.
  add_link_options("$<$<CONFIG:Release>:LINKER:-z,relro;LINKER:-z,now>")
endif()
