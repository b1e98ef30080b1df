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
  qv_stands_on(qv_${name} ${name} ${arg_ON})

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

# Folders within a layer's folder that are layers of their own.
set(QV_SUBLAYERS platform/win32 platform/posix platform/fake ui/win32)

# qv_stands_on(<target> <layer> [<lower layer>...])
#
# Declares that <target> is the layer <layer> (a folder of src/, one of
# QV_SUBLAYERS, or a name of its own for a program or tests) and stands on
# the given layers and on all that they stand on. Before <target> builds,
# every quoted include of its sources and of the headers beside them is
# checked: one that reaches a layer it does not stand on, from src/ or with
# "../", fails the build with a message naming both layers.
function(qv_stands_on target layer)
  set(stands_on ${layer})
  foreach(lower IN LISTS ARGN)
    get_property(known GLOBAL PROPERTY QV_STANDS_ON_${lower} SET)
    if(NOT known)
      message(FATAL_ERROR "${layer} cannot stand on ${lower}: no such layer is declared before it.")
    endif()
    get_property(below GLOBAL PROPERTY QV_STANDS_ON_${lower})
    list(APPEND stands_on ${below})
  endforeach()
  list(REMOVE_DUPLICATES stands_on)
  set_property(GLOBAL PROPERTY QV_STANDS_ON_${layer} ${stands_on})
  # Sources still come in from other folders: the check is written at the end.
  # (A deferred call reads its arguments when it runs: they are spelt out now.)
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _qv_check_includes [[${target}]] [[${layer}]])")
endfunction()

function(_qv_check_includes target layer)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  if(NOT sources)
    get_target_property(sources ${target} INTERFACE_SOURCES)
  endif()
  set(files "")
  set(folders "")
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.(cpp|h)$")
      continue()
    endif()
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${source_dir})
    list(APPEND files ${source})
    get_filename_component(folder ${source} DIRECTORY)
    list(APPEND folders ${folder})
  endforeach()
  if(target MATCHES "^qv_")
    list(APPEND folders ${PROJECT_SOURCE_DIR}/src/${layer})
  endif()
  list(REMOVE_DUPLICATES folders)
  foreach(folder IN LISTS folders)
    file(GLOB headers ${folder}/*.h)
    list(APPEND files ${headers})
  endforeach()
  list(REMOVE_DUPLICATES files)
  if(NOT files)
    return()
  endif()
  get_property(stands_on GLOBAL PROPERTY QV_STANDS_ON_${layer})
  string(MAKE_C_IDENTIFIER "${target}" id)
  set(check ${CMAKE_BINARY_DIR}/layer_checks/${id}.cmake)
  set(stamp ${CMAKE_BINARY_DIR}/layer_checks/${id}.stamp)
  file(CONFIGURE OUTPUT ${check} CONTENT [==[
set(QV_LAYER "@layer@")
set(QV_STANDS_ON "@stands_on@")
set(QV_SUBLAYERS "@QV_SUBLAYERS@")
set(QV_FILES "@files@")
set(QV_SRC "@PROJECT_SOURCE_DIR@/src")
set(QV_ROOT "@PROJECT_SOURCE_DIR@")
set(QV_STAMP "@stamp@")
]==] @ONLY)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DQV_CHECK=${check} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    DEPENDS ${files} ${check} ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    COMMENT "Checking the includes of the layer ${layer} (${target})"
    VERBATIM)
  add_custom_target(${id}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${id}_includes)
endfunction()
