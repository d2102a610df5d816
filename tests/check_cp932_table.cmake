# cmake -DPYTHON=<python3> -DSOURCE=<source dir> -DOUT=<temporary file> -P check_cp932_table.cmake
# Writes the code page 932 table from today's program texts into OUT and fails
# when it differs from the committed console/cp932_table.inc.
set(committed ${SOURCE}/console/cp932_table.inc)
execute_process(COMMAND ${PYTHON} ${SOURCE}/tools/make-cp932-table ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tools/make-cp932-table failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${committed} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${committed} ${OUT})
  endif()
  message(FATAL_ERROR "console/cp932_table.inc does not match the program texts: "
                      "run tools/make-cp932-table and commit the table")
endif()
