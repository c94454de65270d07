# Route table, route file, route setting, stepping and the board refresh.
target_sources(panel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DataIo.cpp ${CMAKE_CURRENT_LIST_DIR}/DataIo.h
  ${CMAKE_CURRENT_LIST_DIR}/RouteFile.cpp ${CMAKE_CURRENT_LIST_DIR}/RouteFile.h
  ${CMAKE_CURRENT_LIST_DIR}/RunRules.cpp ${CMAKE_CURRENT_LIST_DIR}/RunRules.h
  ${CMAKE_CURRENT_LIST_DIR}/RunController.cpp ${CMAKE_CURRENT_LIST_DIR}/RunController.h)
