# The main window and its painting. The application object lives in the
# program's own source, so the tests can link their own copy of it.
target_sources(dorvanex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Paint.cpp
)

add_executable(dorvanex ${CMAKE_CURRENT_LIST_DIR}/GameApp.cpp)
target_link_libraries(dorvanex PRIVATE dorvanex_ui dorvanex_platform_main)
dorvanex_warnings(dorvanex)
