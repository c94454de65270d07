# Start-up of the simulator against a bare window.
lumena_add_bench(bench_startup OWN_MAIN SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_startup.cpp
  LIBS app_wiring)
