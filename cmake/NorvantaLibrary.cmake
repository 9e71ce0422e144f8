# One static library per src/ folder: norvanta_<folder>, its "/" written "_",
# built from every source in it. DEPENDS names the nearest libraries it uses,
# each from a folder below it (one listed before it in src/CMakeLists.txt).
#
# Headers are included as "folder/Header.h". A library and those that link it
# find its headers through a folder of the build tree that holds its own
# folder alone, so an include of a folder the library does not link, an
# include that runs upward, fails to compile.
function(norvanta_library folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  string(REPLACE "/" "_" name ${folder})
  foreach(dependency ${ARG_DEPENDS})
    if(dependency MATCHES "^norvanta_" AND NOT TARGET ${dependency})
      message(FATAL_ERROR "${folder} links ${dependency}, which is no folder below it")
    endif()
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(norvanta_${name} STATIC ${sources})
  set(headers ${CMAKE_BINARY_DIR}/include/${name})
  get_filename_component(parent ${headers}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${headers}/${folder} SYMBOLIC)
  target_include_directories(norvanta_${name} PUBLIC ${headers})
  target_link_libraries(norvanta_${name} PUBLIC ${ARG_DEPENDS})
endfunction()
