# The dialog part of the framework layer.
target_sources(dorvanex_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DataExchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogTemplate.cpp
)
