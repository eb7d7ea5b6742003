# One fuzz target for a few seconds on a fresh copy of its seeds, so that a
# run never changes the seeds it starts from. Fails when the target finds a
# crash, a hang or an out-of-memory; the input is kept in WORK/crashes.
#   cmake -DFUZZER=... -DSEEDS=... -DDICT=... -DWORK=... -P RunFuzzer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/crashes)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=5 -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
          -dict=${DICT} -artifact_prefix=${WORK}/crashes/ ${WORK}/corpus
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${rc}); the input is in ${WORK}/crashes")
endif()
