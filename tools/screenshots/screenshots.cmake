# The screenshot tool and the target that refreshes the README's pictures:
#   cmake --build BUILD_DIR --target screenshots
# Both render on Qt's offscreen platform, so no display is needed. A window
# is never larger than its screen, so at scale 2 the offscreen screen is
# given the size of a real screen at that scale (large-screen.json).
find_package(Qt6 REQUIRED COMPONENTS Test)

# The application object's source brings the program's one brush; its
# entry point is not linked, the tool has its own.
add_executable(dorvanex_screenshots
  ${CMAKE_CURRENT_LIST_DIR}/Screenshots.cpp
  ${PROJECT_SOURCE_DIR}/ui/GameApp.cpp)
target_link_libraries(dorvanex_screenshots PRIVATE dorvanex_ui Qt6::Test)
dorvanex_warnings(dorvanex_screenshots)

add_custom_target(screenshots
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:dorvanex_screenshots> ${PROJECT_SOURCE_DIR}/docs
  COMMAND ${CMAKE_COMMAND} -E env
          QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/large-screen.json
          QT_SCALE_FACTOR=2
          $<TARGET_FILE:dorvanex_screenshots> ${PROJECT_SOURCE_DIR}/docs/scale2
  COMMENT "Rendering the dialog and the window into docs/"
  VERBATIM)

if(DORVANEX_TESTS)
  add_test(NAME screenshots_high_dpi
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-high-dpi.sh
            $<TARGET_FILE:dorvanex_screenshots> ${PROJECT_BINARY_DIR}/high-dpi-check)
endif()
