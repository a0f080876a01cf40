# Widget tests of the analysis window and printing.
add_executable(app_report_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/report_window_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analysis_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_printing_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_printing_test.cpp
)
target_link_libraries(app_report_window_tests PRIVATE kestrova_app_lib kestrova_test_support GTest::gtest)
# Listed when the tests run, not at build time, so building needs no display.
gtest_discover_tests(app_report_window_tests DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
