# Quorvant's pictures and its main window: any bytes as a JPEG through the toolkit's wrapper, and
# as a question list shown on the real window (offscreen, silent), each from shipped files.
add_fuzzer(jpeg_fuzzer ${CMAKE_CURRENT_LIST_DIR}/jpeg_fuzzer.cpp 5000 tk_jpeg)
fuzz_seeds(jpeg_fuzzer files ${QUORVANT_GAME_DIR}/images/start.jpg ${QUORVANT_GAME_DIR}/images/tel.jpg
           ${QUORVANT_GAME_DIR}/images/sound_on1.jpg ${QUORVANT_DESIGN_DIR}/min.jpg ${VELMORA_DESIGN_DIR}/arrow.jpg)
add_fuzzer(question_show_fuzzer ${CMAKE_CURRENT_LIST_DIR}/question_show_fuzzer.cpp 1000 quorvant_core)
target_sources(question_show_fuzzer PRIVATE ${CMAKE_CURRENT_LIST_DIR}/qt_leaks.cpp
                                            ${CMAKE_SOURCE_DIR}/tests/support/fake_media_backend.cpp)
fuzz_seeds(question_show_fuzzer list ${QUORVANT_GAME_DIR}/bank0.txt ${QUORVANT_GAME_DIR}/bank.txt)
