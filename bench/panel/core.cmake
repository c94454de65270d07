lumena_add_bench(bench_route SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_route.cpp LIBS panel_core Qt6::Gui)
