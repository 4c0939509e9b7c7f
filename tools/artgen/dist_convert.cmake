# Runs one nvtool conversion of the distribution build:
#   cmake -DNVTOOL=... -DARGS="a;b;c" -P dist_convert.cmake
# A failed conversion stops the build.
execute_process(COMMAND ${NVTOOL} ${ARGS}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nvtool ${ARGS} failed (${rc}):\n${out}${err}")
endif()
# A report the converter wrote into the distribution folder moves to the work folder.
if(DEFINED REPORT AND EXISTS "${REPORT}")
  file(RENAME "${REPORT}" "${REPORT_TO}")
endif()
