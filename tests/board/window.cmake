# Board window and ticket-number cells.
lumena_add_test(tst_seiriken_num SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_seiriken_num.cpp
  LIBS board_core)
