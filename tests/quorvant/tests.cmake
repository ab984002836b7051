# Quorvant: the game's rules and windows on the offscreen platform, then the real program under Xvfb.
add_game_tests(quorvant)
add_e2e_test(quorvant_e2e ${QUORVANT_GAME_DIR} 300)
add_e2e_test(quorvant_lifelines_e2e ${QUORVANT_GAME_DIR} 300)
add_e2e_test(quorvant_frame_e2e ${QUORVANT_GAME_DIR} 300)
add_e2e_test(quorvant_files_e2e ${QUORVANT_GAME_DIR} 300)
add_monkey_test(quorvant ${QUORVANT_GAME_DIR})
