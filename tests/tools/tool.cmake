lumena_add_test(tst_tool SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tool.cpp
  LIBS panel_core settings_core board_core)
target_compile_definitions(tst_tool PRIVATE LUMENA_DATA_EXE="$<TARGET_FILE:lumena-data>")
add_dependencies(tst_tool lumena-data)
