# What the fuzzers do with their command line (the fuzzers themselves build with clang in the fuzz
# build).
add_executable(fuzz_setup_tests ${CMAKE_CURRENT_LIST_DIR}/fuzz_setup_test.cpp)
target_include_directories(fuzz_setup_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(fuzz_setup_tests PRIVATE GTest::gtest_main)
add_test(NAME fuzz_setup_tests COMMAND fuzz_setup_tests)
set_tests_properties(fuzz_setup_tests PROPERTIES LABELS unit)
