# Board window.
if(LUMENA_HAVE_FORM1)
  lumena_add_test(tst_board_window GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_board_window.cpp
    LIBS board_ui)
endif()
