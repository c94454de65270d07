lumena_add_test(tst_tool_render_name SOURCES tst_tool_render_name.cpp LIBS Qt6::Gui)
target_compile_definitions(tst_tool_render_name PRIVATE LUMENA_DATA_EXE="$<TARGET_FILE:lumena-data>")
add_dependencies(tst_tool_render_name lumena-data)
