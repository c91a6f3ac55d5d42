# Runs PROGRAM and passes only when its exit status is exactly EXPECTED: another code, a crash or a run of
# more than a minute fails.
execute_process(COMMAND "${PROGRAM}" RESULT_VARIABLE status TIMEOUT 60)
if(NOT status STREQUAL "${EXPECTED}")
  message(FATAL_ERROR "${PROGRAM} ended with \"${status}\", expected exit status ${EXPECTED}")
endif()
