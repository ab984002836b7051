# Quorvant's question lines: decoding and splitting one stored line, and the draw over arbitrary
# bank files, each from the shipped banks.
add_fuzzer(question_line_fuzzer ${CMAKE_CURRENT_LIST_DIR}/question_line_fuzzer.cpp 20000 quorvant_core)
fuzz_seeds(question_line_fuzzer lines ${QUORVANT_GAME_DIR}/bank0.txt ${QUORVANT_GAME_DIR}/bank.txt)
add_fuzzer(question_draw_fuzzer ${CMAKE_CURRENT_LIST_DIR}/question_draw_fuzzer.cpp 2000 quorvant_core)
fuzz_seeds(question_draw_fuzzer banks ${QUORVANT_GAME_DIR}/bank0.txt ${QUORVANT_GAME_DIR}/bank.txt)
