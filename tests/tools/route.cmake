lumena_add_test(tst_tool_route SOURCES tst_tool_route.cpp LIBS panel_core)
target_compile_definitions(tst_tool_route PRIVATE LUMENA_DATA_EXE="$<TARGET_FILE:lumena-data>")
add_dependencies(tst_tool_route lumena-data)
