lumena_add_test(tst_chimei_rules SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chimei_rules.cpp
  LIBS board_core)
lumena_add_test(tst_chimei_element SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chimei_element.cpp
  LIBS board_ui GUI)
