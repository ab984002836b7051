# cmake -DFUZZER=PROGRAM -DSEEDS=FOLDER -DCORPUS=FOLDER -DARGUMENTS=FLAGS -P run_fuzzer.cmake
# Runs a fuzzer on CORPUS made afresh as a copy of the seeds: libFuzzer adds the inputs it finds
# to its corpus folder, and the seeds stay as the build made them.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS})
file(GLOB seeds ${SEEDS}/*)
if(seeds)
  file(COPY ${seeds} DESTINATION ${CORPUS})
endif()
execute_process(COMMAND ${FUZZER} ${ARGUMENTS} ${CORPUS} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} ended with ${result}")
endif()
