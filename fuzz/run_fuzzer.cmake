# Runs a fuzzer on CORPUS made afresh as a copy of the seeds: libFuzzer adds the inputs it finds
# to its corpus folder, and the seeds stay as the build made them. What fails (crash, leak,
# timeout) is written into FINDINGS, to replay with `FUZZER FILE`.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS} ${FINDINGS})
file(GLOB seeds ${SEEDS}/*)
if(seeds)
  file(COPY ${seeds} DESTINATION ${CORPUS})
endif()
execute_process(COMMAND ${FUZZER} ${ARGUMENTS} -artifact_prefix=${FINDINGS}/ ${CORPUS} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} ended with ${result}; what it found is in ${FINDINGS}")
endif()
