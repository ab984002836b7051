# Start-up: time to the first painted frame and resident memory a second later, for both games
# beside a bare Qt window, on an X server of the benchmark's own.
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE benchmark::benchmark xcb)
target_compile_definitions(startup_bench PRIVATE
  VELMORA_PROGRAM="$<TARGET_FILE:velmora>" QUORVANT_PROGRAM="$<TARGET_FILE:quorvant>"
  BARE_WINDOW_PROGRAM="$<TARGET_FILE:bare_window>")
add_dependencies(startup_bench velmora quorvant bare_window)
