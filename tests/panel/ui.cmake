# The operation panel window driven as a user would.
lumena_add_test(tst_panel_window GUI SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_panel_window.cpp
  LIBS panel_ui settings_core)
