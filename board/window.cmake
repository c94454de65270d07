# Board window and ticket-number cells: the element table, the numbering rules
# and the built-in panel picture in the core; the window in the UI library.
target_sources(board_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BoardLayout.cpp ${CMAKE_CURRENT_LIST_DIR}/BoardLayout.h
  ${CMAKE_CURRENT_LIST_DIR}/SeirikenNum.cpp ${CMAKE_CURRENT_LIST_DIR}/SeirikenNum.h
  ${CMAKE_CURRENT_LIST_DIR}/PanelImage.cpp ${CMAKE_CURRENT_LIST_DIR}/PanelImage.h)
