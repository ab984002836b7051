# Quorvant: the game's rules and windows on the offscreen platform, then the real program under Xvfb.
add_executable(quorvant_tests)
file(GLOB QUORVANT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
target_sources(quorvant_tests PRIVATE ${QUORVANT_TEST_SOURCES})
target_link_libraries(quorvant_tests PRIVATE quorvant_core test_support)
add_test(NAME quorvant_tests COMMAND quorvant_tests)
set_tests_properties(quorvant_tests PROPERTIES LABELS unit ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

add_test(NAME quorvant_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/quorvant_e2e.sh ${QUORVANT_GAME_DIR} ${CMAKE_BINARY_DIR}/artifacts)
set_tests_properties(quorvant_e2e PROPERTIES LABELS e2e TIMEOUT 300)

add_test(NAME quorvant_lifelines_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/quorvant_lifelines_e2e.sh ${QUORVANT_GAME_DIR} ${CMAKE_BINARY_DIR}/artifacts)
set_tests_properties(quorvant_lifelines_e2e PROPERTIES LABELS e2e TIMEOUT 300)

add_test(NAME quorvant_frame_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/quorvant_frame_e2e.sh ${QUORVANT_GAME_DIR} ${CMAKE_BINARY_DIR}/artifacts)
set_tests_properties(quorvant_frame_e2e PROPERTIES LABELS e2e TIMEOUT 300)
