# Fails when starting PROGRAM would load a library it needs only later: the
# sound server's client library comes with the first sound, and the
# copies of the program talk without a network library.
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE loaded RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
foreach(library libpulse libQt6Network)
  if(loaded MATCHES "${library}")
    message(FATAL_ERROR "${PROGRAM} loads ${library} at start-up")
  endif()
endforeach()
