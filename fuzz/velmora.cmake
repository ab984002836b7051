# Velmora's files: any bytes as the question bank (scanned, then drawn from) and as the statistics
# file (shown, then counted), each from the shipped file.
add_fuzzer(velmora_bank_fuzzer ${CMAKE_CURRENT_LIST_DIR}/velmora_bank_fuzzer.cpp 10000 velmora_core)
fuzz_seeds(velmora_bank_fuzzer groups ${VELMORA_GAME_DIR}/base.txt)
add_fuzzer(velmora_stat_fuzzer ${CMAKE_CURRENT_LIST_DIR}/velmora_stat_fuzzer.cpp 2000 velmora_core)
target_sources(velmora_stat_fuzzer PRIVATE ${CMAKE_CURRENT_LIST_DIR}/qt_leaks.cpp)
fuzz_seeds(velmora_stat_fuzzer counted ${VELMORA_GAME_DIR}/stat.txt)
