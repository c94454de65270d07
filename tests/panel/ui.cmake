# Operation panel: its rules without a window, and the window driven as a user would.
lumena_add_test(tst_panel_rules SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_panel_rules.cpp
  LIBS panel_core)
lumena_add_test(tst_panel_window GUI SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_panel_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PanelFakes.h LIBS panel_ui settings_core)
