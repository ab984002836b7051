# Velmora: the scan and the draw of a million-record bank beside plainly reading it, and the peak
# memory of a game drawn from a small and a large bank. velmora_core brings the design pictures.
add_executable(velmora_bench ${CMAKE_CURRENT_LIST_DIR}/velmora_bench.cpp)
target_link_libraries(velmora_bench PRIVATE velmora_core benchmark::benchmark)
