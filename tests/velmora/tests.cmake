# Velmora: the game's rules and windows on the offscreen platform, then the real program under Xvfb.
add_game_tests(velmora)
add_e2e_test(velmora_e2e ${VELMORA_GAME_DIR} 300)
add_e2e_test(velmora_trainer_e2e ${VELMORA_GAME_DIR} 120)
add_e2e_test(velmora_files_e2e ${VELMORA_GAME_DIR} 300)
add_monkey_test(velmora ${VELMORA_GAME_DIR})
