# Operation panel rules without windows (keypad, texts, backlight choice).
target_sources(panel_core PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/CtlLogic.cpp ${CMAKE_CURRENT_SOURCE_DIR}/CtlLogic.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PanelPorts.h ${CMAKE_CURRENT_SOURCE_DIR}/NullSound.h)
