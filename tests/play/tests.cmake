# The player's game folder as ./play fills it.
add_test(NAME game_folder_test COMMAND ${CMAKE_CURRENT_LIST_DIR}/game_folder_test.sh)
set_tests_properties(game_folder_test PROPERTIES LABELS unit)
