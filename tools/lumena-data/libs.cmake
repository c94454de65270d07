# Libraries the command groups need: target_link_libraries(lumena-data PRIVATE ...)
target_link_libraries(lumena-data PRIVATE ticket_core reslib_plugin)
