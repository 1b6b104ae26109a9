# Runs one fuzzer for SECONDS seconds on a copy of its seed corpus; fails on any crash,
# sanitizer report, leak or time-out of a single input.
file(REMOVE_RECURSE "${WORK_CORPUS}")
file(MAKE_DIRECTORY "${WORK_CORPUS}")
file(GLOB seeds "${SEED_CORPUS}/*")
if(seeds)
  file(COPY ${seeds} DESTINATION "${WORK_CORPUS}")
endif()
get_filename_component(artifacts "${WORK_CORPUS}" DIRECTORY)
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -timeout=5 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${artifacts}/ "${WORK_CORPUS}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed (${result}); the input is in ${artifacts}")
endif()
