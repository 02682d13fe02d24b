# The library is assembled from one object library per layer, so that each layer (and its tests)
# builds on its own: zol_runtime, zol_platform, zol_model, zol_core. `zolsolutions` is their union.
function(zol_layer name)
  cmake_parse_arguments(LAYER "" "" "DIRS;LINK" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS LAYER_DIRS)
    file(GLOB found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} OBJECT ${sources})
  target_include_directories(${name}
    PUBLIC "${PROJECT_SOURCE_DIR}/include"
    PRIVATE "${PROJECT_SOURCE_DIR}/src")
  target_compile_definitions(${name} PRIVATE ZOLSOLUTIONS_BUILDING)
  target_link_libraries(${name} PUBLIC ${LAYER_LINK})
endfunction()
