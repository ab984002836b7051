# Quorvant's question lines: decoding and splitting one stored line, and the draw over arbitrary
# bank files. The question-list module is compiled into each fuzzer so that it is instrumented.
add_fuzzer(question_line_fuzzer ${CMAKE_CURRENT_LIST_DIR}/question_line_fuzzer.cpp 20000 quorvant_core)
target_sources(question_line_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/quorvant/question_list.cpp)
add_fuzzer(question_draw_fuzzer ${CMAKE_CURRENT_LIST_DIR}/question_draw_fuzzer.cpp 2000 quorvant_core)
target_sources(question_draw_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/quorvant/question_list.cpp)
