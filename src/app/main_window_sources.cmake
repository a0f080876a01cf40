# The main window and what it needs.
target_sources(kestrova_app_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/message_box_notifier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_canvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_bars_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_binding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_runner_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.hpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_menus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/race_row.cpp
    ${CMAKE_CURRENT_LIST_DIR}/race_rows_panel.cpp
)
