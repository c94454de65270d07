# The digit and stop-name elements as widgets.
lumena_add_test(tst_board_elements GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_board_elements.cpp
  LIBS board_ui)
