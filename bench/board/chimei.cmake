lumena_add_bench(bench_chimei SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_chimei.cpp LIBS board_ui)
