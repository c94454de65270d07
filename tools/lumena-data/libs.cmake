# Libraries the command groups need: target_link_libraries(lumena-data PRIVATE ...)
target_link_libraries(lumena-data PRIVATE panel_core)
target_link_libraries(lumena-data PRIVATE board_ui) # render-digits
target_link_libraries(lumena-data PRIVATE board_ui)  # render-name
target_link_libraries(lumena-data PRIVATE settings_core)
target_link_libraries(lumena-data PRIVATE ticket_core reslib_plugin)
target_link_libraries(lumena-data PRIVATE board_ui panel_core settings_core reslib_ui panel_ui settings_ui) # render-board
