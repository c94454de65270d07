# The operation panel window.
target_sources(panel_ui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/frmCtl.cpp ${CMAKE_CURRENT_SOURCE_DIR}/frmCtl.h
  ${CMAKE_CURRENT_SOURCE_DIR}/frmCtlLayout.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PanelWidgets.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PanelWidgets.h)
target_link_libraries(panel_ui PUBLIC settings_core ticket_ui)
