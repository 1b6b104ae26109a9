# Every listed generator prints the requested number of JSON lines for a seed, the same lines
# again for the same seed; an unknown generator is an error.
execute_process(COMMAND "${SAMPLER}" --list OUTPUT_VARIABLE names RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "--list failed")
endif()
string(REPLACE "\n" ";" names "${names}")
list(FILTER names EXCLUDE REGEX "^$")
foreach(name IN LISTS names)
  execute_process(COMMAND "${SAMPLER}" --generator ${name} --count 3 --seed 7
                  OUTPUT_VARIABLE first RESULT_VARIABLE result)
  execute_process(COMMAND "${SAMPLER}" --generator ${name} --count 3 --seed 7
                  OUTPUT_VARIABLE second)
  if(NOT result EQUAL 0 OR NOT first STREQUAL second)
    message(FATAL_ERROR "${name}: failed or not repeatable")
  endif()
  string(REGEX MATCHALL "\n" lines "${first}")
  list(LENGTH lines count)
  if(NOT count EQUAL 3 OR NOT first MATCHES "^{")
    message(FATAL_ERROR "${name}: expected 3 JSON lines, got:\n${first}")
  endif()
endforeach()
execute_process(COMMAND "${SAMPLER}" --generator NoSuchGenerator RESULT_VARIABLE result
                ERROR_QUIET)
if(result EQUAL 0)
  message(FATAL_ERROR "an unknown generator must fail")
endif()
list(LENGTH names count)
message(STATUS "${count} generators sampled")
