# Velmora's files: any bytes as the question bank (scanned, then drawn from) and as the statistics
# file (shown, then counted). The modules that read them are compiled into each fuzzer so that
# they are instrumented.
add_fuzzer(velmora_bank_fuzzer ${CMAKE_CURRENT_LIST_DIR}/velmora_bank_fuzzer.cpp 10000 velmora_core)
target_sources(velmora_bank_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/velmora/question_bank.cpp
                                           ${CMAKE_SOURCE_DIR}/toolkit/text_file.cpp)
add_fuzzer(velmora_stat_fuzzer ${CMAKE_CURRENT_LIST_DIR}/velmora_stat_fuzzer.cpp 2000 velmora_core)
target_sources(velmora_stat_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/velmora/statistics.cpp
                                           ${CMAKE_SOURCE_DIR}/toolkit/convert.cpp
                                           ${CMAKE_SOURCE_DIR}/toolkit/text_file.cpp
                                           ${CMAKE_SOURCE_DIR}/toolkit/file_replacement.cpp)
