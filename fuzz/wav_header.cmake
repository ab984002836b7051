# The header of a sound file, by which a sound is judged before the sound library sees it, from the effect sounds.
add_fuzzer(wav_header_fuzzer ${CMAKE_CURRENT_LIST_DIR}/wav_header_fuzzer.cpp 20000)
target_sources(wav_header_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/toolkit/wav_header.cpp)
target_include_directories(wav_header_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
fuzz_seeds(wav_header_fuzzer heads ${QUORVANT_GAME_DIR}/vin.wav ${QUORVANT_GAME_DIR}/fol.wav)
