# The main window and what it needs.
target_sources(kestrova_app_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/placeholder_window.cpp
)
