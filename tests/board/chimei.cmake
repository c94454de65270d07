# The board's logic (digit text, stop-name layout and scroll, ticket-number styles).
lumena_add_test(tst_board_rules SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_board_rules.cpp
  LIBS board_core)
