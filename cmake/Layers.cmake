# One static library per layer. A layer's headers are published through a folder of its own
# in the build tree (build/layers/NAME/<folder>/<header>, links to the sources), and only the
# folders of the layer and of the layers it links are on its include path. The project root
# is not, so an include that runs the wrong way does not compile. Every layer lists its
# headers, as it lists its sources.
#
#   tilecrest_layer(NAME HEADERS <paths from the root> [SOURCES ...] [LINKS ...])
function(tilecrest_layer name)
  cmake_parse_arguments(LAYER "" "" "HEADERS;SOURCES;LINKS" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${view})
  foreach(header IN LISTS LAYER_HEADERS)
    if(NOT EXISTS ${TILECREST_ROOT}/${header})
      message(FATAL_ERROR "${name}: no header ${header}")
    endif()
    get_filename_component(folder ${header} DIRECTORY)
    file(MAKE_DIRECTORY ${view}/${folder})
    file(CREATE_LINK ${TILECREST_ROOT}/${header} ${view}/${header} SYMBOLIC)
  endforeach()
  if(LAYER_SOURCES)
    add_library(${name} STATIC ${LAYER_SOURCES})
    target_include_directories(${name} PUBLIC ${view})
    target_link_libraries(${name} PUBLIC ${LAYER_LINKS} PRIVATE tilecrest_flags)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${view})
    target_link_libraries(${name} INTERFACE ${LAYER_LINKS})
  endif()
endfunction()
