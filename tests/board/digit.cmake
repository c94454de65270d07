lumena_add_test(tst_degit_core SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_degit_core.cpp LIBS board_core)
lumena_add_test(tst_digit_element GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_digit_element.cpp LIBS board_ui)
