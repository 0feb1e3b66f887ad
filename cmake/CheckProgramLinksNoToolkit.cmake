# Fails when the program itself needs a Qt library: its command line must start without the
# toolkit, which only its desktop part loads.
execute_process(COMMAND readelf -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" needed "${dynamic}")
foreach(line IN LISTS needed)
  if(line MATCHES "libQt")
    message(FATAL_ERROR "${PROGRAM} links the toolkit: ${line}")
  endif()
endforeach()
message(STATUS "${PROGRAM} needs: ${needed}")
