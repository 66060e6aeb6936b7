# Runs one fuzz target briefly: cmake -DFUZZER=<exe> -DCORPUS=<dir|dir...>
# -DWORK_DIR=<dir> -DSECONDS=<n> -P FuzzSmoke.cmake
# The kept inputs are copied into WORK_DIR first: libFuzzer adds what it finds
# to its first corpus folder, and that must not be the source tree. Fails when
# the target crashes, leaks, trips a sanitizer or breaks one of its checks;
# the input that did it is left in WORK_DIR as crash-*, leak-* or timeout-*.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/found)
set(folders ${WORK_DIR}/found)
string(REPLACE "|" ";" corpus "${CORPUS}")
set(index 0)
foreach(dir IN LISTS corpus)
  math(EXPR index "${index} + 1")
  file(COPY ${dir}/ DESTINATION ${WORK_DIR}/kept-${index})
  list(APPEND folders ${WORK_DIR}/kept-${index})
endforeach()
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=20 -rss_limit_mb=1024 -print_final_stats=1
    -artifact_prefix=${WORK_DIR}/ ${folders}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK_DIR}")
endif()
