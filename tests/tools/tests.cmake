# The build-time question converter.
add_executable(question_sources_tests ${CMAKE_CURRENT_LIST_DIR}/question_sources_test.cpp)
target_link_libraries(question_sources_tests PRIVATE question_sources GTest::gtest_main)
# The checks of the questions themselves read the sources in the tree.
target_compile_definitions(question_sources_tests PRIVATE QUESTION_SOURCES_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME question_sources_tests COMMAND question_sources_tests)
set_tests_properties(question_sources_tests PROPERTIES LABELS unit)
