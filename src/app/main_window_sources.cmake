# The main window and what it needs.
target_sources(kestrova_app_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/message_box_notifier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_canvas.cpp
)
