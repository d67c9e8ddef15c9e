# Hardening tests: hostile player names through the real dialog and window,
# and an event storm on the real window. The storm checks the game's
# invariants with the same checker as the random-game test of the rules.
target_sources(dorvanex_qt_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EventStormTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HostileNamesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureAgreement.cpp
)
target_include_directories(dorvanex_qt_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
