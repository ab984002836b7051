# Velmora: the game's rules and windows on the offscreen platform, then the real program under Xvfb.
add_game_tests(velmora)
add_e2e_test(velmora_e2e ${VELMORA_GAME_DIR} 300)
add_e2e_test(velmora_trainer_e2e ${VELMORA_GAME_DIR} 120)
add_monkey_test(velmora ${VELMORA_GAME_DIR})
# Velmora has no sounds, and starts without the sound libraries and the forty they pull in.
add_test(NAME velmora_without_sound_libraries COMMAND sh -c "! ldd \"$0\" | grep SDL" $<TARGET_FILE:velmora>)
set_tests_properties(velmora_without_sound_libraries PROPERTIES LABELS unit)
