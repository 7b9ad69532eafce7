# Runs a benchmark and compares what it prints, less its timings, with a
# golden file. With RAVEL_UPDATE_GOLDEN=1 in the environment it writes the
# golden file instead (for a change that is meant to alter results).
#
#   cmake -DRUN=<program> -DARGS=<a;b;c> -DGOLDEN=<file> -P CompareGolden.cmake
execute_process(COMMAND ${RUN} ${ARGS} OUTPUT_VARIABLE out RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "${RUN} ended with ${code}")
endif()
# Timings differ from run to run: every figure named "seconds" or "per_second".
string(REGEX REPLACE "[^\n]*(seconds|per_second)[^\n]*\n" "" out "${out}")
if("$ENV{RAVEL_UPDATE_GOLDEN}" STREQUAL "1")
  file(WRITE ${GOLDEN} "${out}")
  message(STATUS "wrote ${GOLDEN}")
  return()
endif()
file(READ ${GOLDEN} expected)
if(NOT out STREQUAL expected)
  get_filename_component(name ${GOLDEN} NAME)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${out}")
  message(FATAL_ERROR "output differs from ${GOLDEN}; this run's is in "
                      "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual (diff them; regenerate with "
                      "RAVEL_UPDATE_GOLDEN=1 ctest -R golden when the change is meant)")
endif()
