# norvanta_test(tst_name SOURCES a.cpp ... LIBS norvanta_x ...)
# One executable per concern, run headless by CTest.
set(NORVANTA_TEST_RUNTIME ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${NORVANTA_TEST_RUNTIME})
file(CHMOD ${NORVANTA_TEST_RUNTIME} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# The tests of one folder share headers precompiled with the test library's:
# Qt's test macros name the folder, so each folder needs its own.
function(norvanta_test_pch pch)
  if(NOT TARGET ${pch})
    add_library(${pch} STATIC ${CMAKE_SOURCE_DIR}/cmake/pch.cpp)
    target_link_libraries(${pch} PUBLIC ${NORVANTA_PCH_MODULES} Qt6::Test)
    target_precompile_headers(${pch} PRIVATE ${NORVANTA_PCH_HEADERS} <QtTest>)
  endif()
endfunction()

function(norvanta_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(pch norvanta_test_pch_${folder})
  norvanta_test_pch(${pch})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  norvanta_use_pch(${name} ${pch})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${NORVANTA_TEST_RUNTIME};NORVANTA_SOURCE_DIR=${CMAKE_SOURCE_DIR};NORVANTA_APP_DIR=${NORVANTA_APP_DIR};ASAN_OPTIONS=detect_leaks=0")
endfunction()
