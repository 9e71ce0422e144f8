# One static library per src/ folder: norvanta_<folder>, built from every source in it.
function(norvanta_library folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(norvanta_${folder} STATIC ${sources})
  target_include_directories(norvanta_${folder} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(norvanta_${folder} PUBLIC ${ARG_DEPENDS})
endfunction()
