# One static library per src/ folder: norvanta_<folder>, its "/" written "_",
# built from every source in it.
function(norvanta_library folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  string(REPLACE "/" "_" name ${folder})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(norvanta_${name} STATIC ${sources})
  target_include_directories(norvanta_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(norvanta_${name} PUBLIC ${ARG_DEPENDS})
endfunction()
