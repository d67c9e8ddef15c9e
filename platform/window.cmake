# The frame-window part of the layer: application object, frame window with
# drawing into the surface Qt keeps for it, device contexts and drawing objects.
target_sources(dorvanex_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/App.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontWarmup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gdi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowSystem.cpp
)
# Where Qt finds its faces through fontconfig, the entry point reads the
# font configuration on a thread of its own while Qt starts.
find_package(Threads REQUIRED)
target_link_libraries(dorvanex_platform PRIVATE Threads::Threads)
if(UNIX AND NOT APPLE)
  find_package(Fontconfig REQUIRED)
  target_link_libraries(dorvanex_platform PRIVATE Fontconfig::Fontconfig)
  target_compile_definitions(dorvanex_platform PRIVATE DORVANEX_HAVE_FONTCONFIG=1)
  # The X11 connection is opened once before Qt's, to learn whether Qt can
  # open it at all, and watched for windows that other programs destroy.
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
  target_link_libraries(dorvanex_platform PRIVATE PkgConfig::XCB)
  target_compile_definitions(dorvanex_platform PRIVATE DORVANEX_HAVE_XCB=1)
endif()

# The entry point lives apart so that only the program links it, never the
# test executables with their own main.
add_library(dorvanex_platform_main STATIC ${CMAKE_CURRENT_LIST_DIR}/AppMain.cpp)
target_link_libraries(dorvanex_platform_main PUBLIC dorvanex_platform)
dorvanex_warnings(dorvanex_platform_main)
