# Stop-name display element: rules, glyphs and scroll geometry in the core,
# the element widget in the UI library.
target_sources(board_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GlyphSource.h
  ${CMAKE_CURRENT_LIST_DIR}/DotFonts.h ${CMAKE_CURRENT_LIST_DIR}/DotFonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChimeiLayout.h ${CMAKE_CURRENT_LIST_DIR}/ChimeiLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChimeiScroll.h ${CMAKE_CURRENT_LIST_DIR}/ChimeiScroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChimeiProps.h ${CMAKE_CURRENT_LIST_DIR}/ChimeiProps.cpp)
target_sources(board_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChimeiCtl_B.h ${CMAKE_CURRENT_LIST_DIR}/ChimeiCtl_B.cpp)
