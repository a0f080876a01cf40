# Widget tests of the main window.
add_executable(app_main_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/main_window_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_controls_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_reports_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_run_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_settings_test.cpp
)
target_link_libraries(app_main_window_tests PRIVATE kestrova_app_lib kestrova_test_support GTest::gtest)
# Listed when the tests run, not at build time, so building needs no display.
gtest_discover_tests(app_main_window_tests DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
