# A layer is a static library that links only the layers below it. Linking
# every object of a layer into a small program that sees nothing above it
# makes the linker refuse a call upwards, even one no program happens to
# pull in yet.
function(sheetmill_layer name)
  cmake_parse_arguments(LAYER "" "" "SOURCES;BELOW;SYSTEM" ${ARGN})
  add_library(${name} STATIC ${LAYER_SOURCES})
  target_link_libraries(${name} PUBLIC ${LAYER_BELOW} ${LAYER_SYSTEM})
  set(check ${CMAKE_CURRENT_BINARY_DIR}/${name}_layercheck.cpp)
  if(NOT EXISTS ${check})
    file(WRITE ${check} "int main() { return 0; }\n")
  endif()
  add_executable(${name}_layercheck ${check})
  target_link_libraries(${name}_layercheck PRIVATE
    -Wl,--whole-archive ${name} -Wl,--no-whole-archive ${LAYER_BELOW} ${LAYER_SYSTEM})
endfunction()
