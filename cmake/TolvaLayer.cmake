# tolva_layer(<target> SOURCES <globs...> INCLUDES <dirs...> DEPS <targets...>)
# One static library per layer, taking every source file its globs match.
function(tolva_layer target)
  cmake_parse_arguments(L "" "" "SOURCES;INCLUDES;DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${L_SOURCES})
  if(NOT sources)
    # A layer may have no sources yet while it is being built up.
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp "")
    set(sources ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${L_INCLUDES})
  target_link_libraries(${target} PUBLIC ${L_DEPS})
endfunction()
