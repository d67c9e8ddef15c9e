# The player-entry dialog.
target_sources(dorvanex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PlayerEntryDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlayerEntryTemplate.cpp
)
