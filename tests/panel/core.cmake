lumena_add_test(tst_route_file SOURCES tst_route_file.cpp LIBS panel_core Qt6::Gui)
lumena_add_test(tst_run_rules SOURCES tst_run_rules.cpp LIBS panel_core Qt6::Gui)
lumena_add_test(tst_run_controller SOURCES tst_run_controller.cpp LIBS panel_core Qt6::Gui)
