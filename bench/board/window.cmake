# Board window: the board side of a refresh, and the built-in panel picture.
if(LUMENA_HAVE_FORM1)
  lumena_add_bench(bench_board_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_board_window.cpp
    LIBS board_ui Qt6::Widgets)
endif()
