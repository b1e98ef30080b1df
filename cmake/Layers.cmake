# qv_layer(<name> [ON <layer>...] [SOURCES <file>...])
#
# A layer is the library qv_<name> made of the folder src/<name>. Its headers
# are reachable as "<name>/x.h" from the layer itself and from the layers
# that stand on it, and from nowhere else: they are forwarded into an include
# folder of the layer's own. So an include from a layer below fails to
# compile, and a layer can stand only on layers declared before it, so a
# cycle between layers fails to configure.
function(qv_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "ON;SOURCES")
  foreach(lower IN LISTS arg_ON)
    if(NOT TARGET qv_${lower})
      message(FATAL_ERROR "The layer ${name} cannot stand on ${lower}: ${lower} is not declared below it.")
    endif()
  endforeach()

  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.def)
  foreach(header IN LISTS headers)
    get_filename_component(file ${header} NAME)
    file(CONFIGURE OUTPUT ${root}/${name}/${file} CONTENT "#include \"${header}\"\n")
  endforeach()

  list(TRANSFORM arg_ON PREPEND qv_)
  if(arg_SOURCES)
    add_library(qv_${name} STATIC ${arg_SOURCES})
    target_include_directories(qv_${name} PUBLIC ${root})
    target_link_libraries(qv_${name} PUBLIC ${arg_ON})
  else()
    add_library(qv_${name} INTERFACE)
    target_include_directories(qv_${name} INTERFACE ${root})
    target_link_libraries(qv_${name} INTERFACE ${arg_ON})
  endif()
endfunction()
