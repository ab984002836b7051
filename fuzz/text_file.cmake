# The text file reader against a plain byte-by-byte reader, on any bytes and any mix of reading,
# passing over lines and end tests. The reader is built with blocks of 128 bytes, so that inputs
# of a few kilobytes cross many block and chunk ends and grow the buffer for long lines.
add_fuzzer(text_file_fuzzer ${CMAKE_CURRENT_LIST_DIR}/text_file_fuzzer.cpp 20000)
target_sources(text_file_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/toolkit/text_file.cpp
                                        ${CMAKE_SOURCE_DIR}/toolkit/file_replacement.cpp)
target_include_directories(text_file_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(text_file_fuzzer PRIVATE TEXT_FILE_BLOCK_SIZE=128)
fuzz_seeds(text_file_fuzzer reads)
