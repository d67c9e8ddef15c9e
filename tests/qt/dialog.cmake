# Tests of the dialog layer and the player-entry dialog.
target_sources(dorvanex_qt_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DialogLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlayerEntryDlgTest.cpp
)
