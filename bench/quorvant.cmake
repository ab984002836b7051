# Quorvant: the draw from banks of a million lines beside plainly reading them, and a look change.
add_executable(quorvant_bench ${CMAKE_CURRENT_LIST_DIR}/quorvant_bench.cpp)
target_link_libraries(quorvant_bench PRIVATE quorvant_core benchmark::benchmark)
