# Tests of the frame-window layer and of the game window.
# The application object comes from the program's own source, as in the game.
target_sources(dorvanex_qt_tests PRIVATE
  ${PROJECT_SOURCE_DIR}/ui/GameApp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DcTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameWndTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestFrame.cpp
)
