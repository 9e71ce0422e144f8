# norvanta_test(tst_name SOURCES a.cpp ... LIBS norvanta_x ... [NO_RUN])
# One executable per concern, run headless by CTest; it links the libraries
# it tests and sees only their headers and those of tests/. NO_RUN builds it
# only, for tests that run it in shares with norvanta_test_run().
set(NORVANTA_TEST_RUNTIME ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${NORVANTA_TEST_RUNTIME})
file(CHMOD ${NORVANTA_TEST_RUNTIME} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

function(norvanta_test name)
  cmake_parse_arguments(ARG "NO_RUN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(NOT ARG_NO_RUN)
    norvanta_test_run(${name} ${name})
  endif()
endfunction()

# norvanta_test_run(test_name executable [ARGS...]): the test, its name kept
# in the global property NORVANTA_TESTS. A run that skips cases is reported
# as skipped, not passed.
function(norvanta_test_run name executable)
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tests/ReportSkips.sh $<TARGET_FILE:${executable}> ${ARGN})
  set_tests_properties(${name} PROPERTIES
    SKIP_RETURN_CODE 200
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${NORVANTA_TEST_RUNTIME};NORVANTA_SOURCE_DIR=${CMAKE_SOURCE_DIR};NORVANTA_APP_DIR=${NORVANTA_APP_DIR};ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
  set_property(GLOBAL APPEND PROPERTY NORVANTA_TESTS ${name})
endfunction()
