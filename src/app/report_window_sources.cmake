# The analysis window, printing and the full report's destinations.
target_sources(kestrova_app_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/analysis_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printer_text_sink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_printing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_printing.cpp
)
