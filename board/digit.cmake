# Digit display element: text rule, segment geometry, painting and stored
# properties in the core; the element itself in the UI library.
target_sources(board_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DegitText.cpp ${CMAKE_CURRENT_LIST_DIR}/DegitText.h
  ${CMAKE_CURRENT_LIST_DIR}/DegitSegments.cpp ${CMAKE_CURRENT_LIST_DIR}/DegitSegments.h
  ${CMAKE_CURRENT_LIST_DIR}/DegitRenderer.cpp ${CMAKE_CURRENT_LIST_DIR}/DegitRenderer.h
  ${CMAKE_CURRENT_LIST_DIR}/DegitProps.cpp ${CMAKE_CURRENT_LIST_DIR}/DegitProps.h
)
target_sources(board_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/M_Degit.cpp ${CMAKE_CURRENT_LIST_DIR}/M_Degit.h
)
