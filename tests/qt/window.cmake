# Tests of the frame-window layer and of the game window.
# The application object comes from the program's own source, as in the game.
target_sources(dorvanex_qt_tests PRIVATE
  ${PROJECT_SOURCE_DIR}/ui/GameApp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DcTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontDpiTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontWarmupTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameWndTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameFrameDriver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameFrameTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GamePictureTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestFrame.cpp
)

# The real program on a private X server, driven by keys and clicks.
if(TARGET dorvanex)
  add_test(NAME dorvanex_end_to_end
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/end_to_end.sh $<TARGET_FILE:dorvanex>
            ${CMAKE_CURRENT_BINARY_DIR}/end_to_end)
  set_tests_properties(dorvanex_end_to_end PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()

# The font sizes once more on a screen of 5 dpi, where every size truncates
# to almost nothing.
add_test(NAME dorvanex_font_sizes_at_5_dpi
  COMMAND dorvanex_qt_tests --gtest_filter=FontSize.*)
set_tests_properties(dorvanex_font_sizes_at_5_dpi PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=5" TIMEOUT 60)
