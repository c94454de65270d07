lumena_add_bench(bench_digit SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_digit.cpp LIBS board_ui)
