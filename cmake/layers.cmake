# vantrel_layer(NAME [ON lower...] [USES family...] SOURCES files...
#               [HEADERS files...])
# makes the static library vantrel_NAME from SOURCES, linked to the layers
# it is ON, and a build step (check_layer_includes.cmake) that fails when one
# of its files includes a header of a layer it does not build on (directly or
# through those below), or a library's headers it does not declare it USES
# (FL, nlohmann, cairo, date, unicode, X11), when a layer it is ON has none of
# its headers included, or when its modules include each other round a
# cycle. Layers are declared bottom up; a header belongs to the layer of its
# .cpp.
function(vantrel_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "ON;USES;SOURCES;HEADERS")
  set(files ${arg_HEADERS})
  set(owners)
  foreach(source IN LISTS arg_SOURCES)
    if(IS_ABSOLUTE ${source})
      continue()  # generated
    endif()
    list(APPEND files ${source})
    string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
    if(EXISTS ${PROJECT_SOURCE_DIR}/${header})
      list(APPEND files ${header})
    endif()
  endforeach()
  foreach(file IN LISTS files)
    if(file MATCHES "\\.h$")
      list(APPEND owners "${file}=${name}")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY vantrel_header_owners ${owners})

  set(allowed)
  foreach(lower IN LISTS arg_ON)
    get_property(below GLOBAL PROPERTY vantrel_layer_below_${lower})
    list(APPEND allowed ${lower} ${below})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY vantrel_layer_below_${name} ${allowed})

  add_library(vantrel_${name} STATIC ${arg_SOURCES})
  target_include_directories(vantrel_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  foreach(lower IN LISTS arg_ON)
    target_link_libraries(vantrel_${name} PUBLIC vantrel_${lower})
  endforeach()

  # Every header's owner is known only once all layers are declared, so the
  # check reads them from a file written at the end of configuration.
  set(stamp ${PROJECT_BINARY_DIR}/layers/${name}.checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYER=${name} "-DFILES=${files}" "-DALLOWED=${allowed}"
            "-DDECLARED=${arg_ON}" "-DUSES=${arg_USES}"
            -DOWNERS_FILE=${PROJECT_BINARY_DIR}/layers/owners.txt
            -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake
    DEPENDS ${files} ${PROJECT_BINARY_DIR}/layers/owners.txt
            ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Checking the includes of layer ${name}"
    VERBATIM)
  add_custom_target(vantrel_${name}_includes DEPENDS ${stamp})
  add_dependencies(vantrel_${name} vantrel_${name}_includes)
endfunction()

# Writes the header owners of every declared layer; call after the last one.
function(vantrel_write_layer_owners)
  get_property(owners GLOBAL PROPERTY vantrel_header_owners)
  string(REPLACE ";" "\n" text "${owners}")
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/layers/owners.txt CONTENT "${text}\n")
endfunction()
