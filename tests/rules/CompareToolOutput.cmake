# Runs TOOL (through EMULATOR in a cross build) with ARGS on INPUT and compares its output
# without the times (" us=N") with the file EXPECTED, which must exist.
separate_arguments(args UNIX_COMMAND "${ARGS}")
separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
execute_process(COMMAND ${emulator} ${TOOL} ${args} INPUT_FILE ${INPUT} OUTPUT_VARIABLE output
  RESULT_VARIABLE result)
if(result EQUAL 3)  # the tool's answer for a build of the search this processor lacks
  message("SKIPPED: ${TOOL} ${ARGS}: not on this processor")
  return()
endif()
string(REGEX REPLACE " us=[0-9]+" "" output "${output}")
file(READ "${EXPECTED}" expected)
if(NOT result EQUAL 0 OR NOT output STREQUAL expected)
  message(FATAL_ERROR "${TOOL} ${ARGS} (exit ${result}) answered:\n${output}\nexpected:\n${expected}")
endif()
