# Runs the real `kvartello-batch count` on the shipped example bet: it must
# print one number and exit 0 (its value is checked against the literal rules
# by the in-process batch tests).
execute_process(COMMAND ${BATCH} --dir ${CMAKE_CURRENT_LIST_DIR} count ${TIPS}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^[0-9]+\n$")
  message(FATAL_ERROR "exit ${rc}, printed '${out}'; stderr: ${err}")
endif()
