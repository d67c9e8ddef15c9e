# The frame-window part of the layer: application object, frame window with
# drawing into the surface Qt keeps for it, device contexts and drawing objects.
target_sources(dorvanex_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/App.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gdi.cpp
)

# The entry point lives apart so that only the program links it, never the
# test executables with their own main.
add_library(dorvanex_platform_main STATIC ${CMAKE_CURRENT_LIST_DIR}/AppMain.cpp)
target_link_libraries(dorvanex_platform_main PUBLIC dorvanex_platform)
dorvanex_warnings(dorvanex_platform_main)
