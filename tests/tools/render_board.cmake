lumena_add_test(tst_tool_render_board SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tool_render_board.cpp
  LIBS settings_core board_core)
target_compile_definitions(tst_tool_render_board PRIVATE LUMENA_DATA_EXE="$<TARGET_FILE:lumena-data>")
add_dependencies(tst_tool_render_board lumena-data)
