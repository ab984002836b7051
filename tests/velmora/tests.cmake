# Velmora: the game's rules and windows on the offscreen platform, then the real program under Xvfb.
add_executable(velmora_tests)
file(GLOB VELMORA_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
target_sources(velmora_tests PRIVATE ${VELMORA_TEST_SOURCES})
target_link_libraries(velmora_tests PRIVATE velmora_core test_support)
add_test(NAME velmora_tests COMMAND velmora_tests)
set_tests_properties(velmora_tests PROPERTIES LABELS unit ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

add_test(NAME velmora_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/velmora_e2e.sh ${VELMORA_GAME_DIR} ${CMAKE_BINARY_DIR}/artifacts)
set_tests_properties(velmora_e2e PROPERTIES LABELS e2e TIMEOUT 300)

add_test(NAME velmora_trainer_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/velmora_trainer_e2e.sh ${VELMORA_GAME_DIR} ${CMAKE_BINARY_DIR}/artifacts)
set_tests_properties(velmora_trainer_e2e PROPERTIES LABELS e2e TIMEOUT 120)
