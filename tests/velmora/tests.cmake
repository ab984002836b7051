# Velmora: the game's rules and windows on the offscreen platform, then the real program under Xvfb.
add_game_tests(velmora)
add_e2e_test(velmora_e2e ${VELMORA_GAME_DIR} 300)
add_e2e_test(velmora_trainer_e2e ${VELMORA_GAME_DIR} 120)
add_e2e_test(velmora_files_e2e ${VELMORA_GAME_DIR} 300)
add_monkey_test(velmora ${VELMORA_GAME_DIR})

# stat.txt under a counting game that is killed at random moments, and under two copies at once.
add_executable(velmora_stat_counter velmora/stat_endurance/stat_counter.cpp)
target_link_libraries(velmora_stat_counter PRIVATE velmora_core)
add_test(NAME velmora_stat_endurance
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/velmora/stat_endurance/stat_endurance.sh
                 $<TARGET_FILE:velmora_stat_counter> 60 100)
set_tests_properties(velmora_stat_endurance PROPERTIES LABELS unit TIMEOUT 600)

# Velmora has no sounds, and starts without the sound libraries and the forty they pull in.
add_test(NAME velmora_without_sound_libraries COMMAND sh -c "! ldd \"$0\" | grep SDL" $<TARGET_FILE:velmora>)
set_tests_properties(velmora_without_sound_libraries PROPERTIES LABELS unit)
