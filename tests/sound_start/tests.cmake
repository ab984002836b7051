# The sound device as a program starts. A process opens its device once, so these tests run in
# forked copies of a test program whose own process never opens it.
add_executable(sound_start_tests ${CMAKE_CURRENT_LIST_DIR}/sound_start_test.cpp)
target_link_libraries(sound_start_tests PRIVATE test_support)
add_test(NAME sound_start_tests COMMAND sound_start_tests)
set_tests_properties(sound_start_tests PROPERTIES LABELS unit ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
