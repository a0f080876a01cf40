# Runs PROGRAM with ARGS (separated by "|") and fails unless it exits with EXPECTED_STATUS and
# its standard output holds EXPECTED_TEXT (when given).
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${arguments}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT "${status}" STREQUAL "${EXPECTED_STATUS}")
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\n${errors}")
endif()
if(DEFINED EXPECTED_TEXT)
    string(FIND "${output}" "${EXPECTED_TEXT}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the output lacks '${EXPECTED_TEXT}':\n${output}")
    endif()
endif()
