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
  # The real program with no display, with windows destroyed by another X
  # client, and losing its X server.
  add_test(NAME dorvanex_window_system
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_system.sh $<TARGET_FILE:dorvanex>
            ${CMAKE_CURRENT_BINARY_DIR}/window_system)
  set_tests_properties(dorvanex_window_system PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()

# The font sizes once more on a screen of 5 dpi, where every size truncates
# to almost nothing, and on one of 200 dpi. Above 96 dpi Qt would scale the
# whole picture and keep fonts at 96 dpi, so its scaling is switched off
# there, as it is for a user who sets the screen's resolution that way.
foreach(dpi 5 200)
  add_test(NAME dorvanex_font_sizes_at_${dpi}_dpi
    COMMAND dorvanex_qt_tests --gtest_filter=Font.*:FontSize.*)
  set_tests_properties(dorvanex_font_sizes_at_${dpi}_dpi PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=${dpi};QT_ENABLE_HIGHDPI_SCALING=0"
    TIMEOUT 60)
endforeach()
# And with Qt's scaling on, as a user who sets such a resolution gets it:
# at 400 dpi everything is drawn four times over, so the offscreen screen
# holds only 192 x 192 of the layer's pixels; at 2,000 dpi it holds 38 x 38,
# less than the frame the window assumes around its client area.
foreach(dpi 400 2000)
  add_test(NAME dorvanex_font_sizes_at_${dpi}_dpi_scaled
    COMMAND dorvanex_qt_tests --gtest_filter=Font.*:FontSize.*)
  set_tests_properties(dorvanex_font_sizes_at_${dpi}_dpi_scaled PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=${dpi}" TIMEOUT 60)
endforeach()

# The outlines once more at the scale factors desktops offer, where a
# logical pixel covers a fraction of device pixels. A window is never larger
# than its screen, so the offscreen screen has the size of a real one at
# these scales.
set(large_screen "configfile=${PROJECT_SOURCE_DIR}/tools/screenshots/large-screen.json")
foreach(scale 1.25 1.5 1.75 2)
  add_test(NAME dorvanex_outlines_at_scale_${scale}
    COMMAND dorvanex_qt_tests --gtest_filter=GamePicture.OutlinesAreEquallyWideOnEverySide)
  set_tests_properties(dorvanex_outlines_at_scale_${scale} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:${large_screen};QT_SCALE_FACTOR=${scale}"
    TIMEOUT 60)
endforeach()
