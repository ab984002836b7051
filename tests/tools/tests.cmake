# The build-time question converter.
add_executable(question_sources_tests ${CMAKE_CURRENT_LIST_DIR}/question_sources_test.cpp)
target_link_libraries(question_sources_tests PRIVATE question_sources GTest::gtest_main)
add_test(NAME question_sources_tests COMMAND question_sources_tests)
set_tests_properties(question_sources_tests PROPERTIES LABELS unit)
