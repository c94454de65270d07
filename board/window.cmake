# Board window and ticket-number cells: the element table, the numbering rules
# and the built-in panel picture in the core; the window in the UI library.
target_sources(board_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BoardLayout.cpp ${CMAKE_CURRENT_LIST_DIR}/BoardLayout.h
  ${CMAKE_CURRENT_LIST_DIR}/SeirikenNum.cpp ${CMAKE_CURRENT_LIST_DIR}/SeirikenNum.h
  ${CMAKE_CURRENT_LIST_DIR}/PanelImage.cpp ${CMAKE_CURRENT_LIST_DIR}/PanelImage.h)

# The window hosts the digit and stop-name elements and fills the settings
# record's structs (header-only; it links nothing of settings).
set(LUMENA_HAVE_FORM1 OFF)
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/M_Degit.h AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/ChimeiCtl_B.h
   AND EXISTS ${CMAKE_SOURCE_DIR}/settings/IniPorts.h)
  set(LUMENA_HAVE_FORM1 ON)
  target_sources(board_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Form1.cpp ${CMAKE_CURRENT_LIST_DIR}/Form1.h)
endif()
set(LUMENA_HAVE_FORM1 ${LUMENA_HAVE_FORM1} CACHE INTERNAL "board window is built")
