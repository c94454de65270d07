# settings_ui: the options dialog, one small file per page.
add_library(settings_ui STATIC
  frmOption.cpp frmOption.h
  OptionPages.cpp OptionPages.h SoundPage.cpp SeirikenPage.cpp
  OptionControls.cpp OptionControls.h
  ColorButton.cpp ColorButton.h
  DegitSample.cpp DegitSample.h
)
target_link_libraries(settings_ui PUBLIC settings_core ticket_core Qt6::Widgets)
