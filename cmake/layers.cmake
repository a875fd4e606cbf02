# vantrel_layer(NAME [ON lower...] [USES family...] [GENERATED files...])
# makes the static library vantrel_NAME from the folder NAME/ (every .cpp in
# it but the programs' entries, main.cpp and *_main.cpp), so a folder is a
# library and a header's layer is its folder. The library links the layers
# it is ON. A build step (check_layer_includes.cmake) fails when one of its
# files includes a header of a layer it does not build on (directly or
# through those below), or a library's headers it does not declare it USES
# (FL, nlohmann, cairo, date, unicode, X11), when a layer it is ON has none
# of its headers included, or when its modules include each other round a
# cycle. Layers are declared bottom up.
function(vantrel_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "ON;USES;GENERATED")
  file(GLOB sources CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
       ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "(/|_)main\\.cpp$")
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
       ${PROJECT_SOURCE_DIR}/${name}/*.h)
  set_property(GLOBAL APPEND PROPERTY vantrel_layers ${name})

  set(allowed)
  foreach(lower IN LISTS arg_ON)
    get_property(below GLOBAL PROPERTY vantrel_layer_below_${lower})
    list(APPEND allowed ${lower} ${below})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY vantrel_layer_below_${name} ${allowed})
  set_property(GLOBAL PROPERTY vantrel_layer_uses_${name} ${arg_USES})

  add_library(vantrel_${name} STATIC ${sources} ${arg_GENERATED})
  target_include_directories(vantrel_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  foreach(lower IN LISTS arg_ON)
    target_link_libraries(vantrel_${name} PUBLIC vantrel_${lower})
  endforeach()
  vantrel_check_includes(vantrel_${name} ${name}
    FILES ${sources} ${headers} ALLOWED ${allowed} DECLARED ${arg_ON} USES ${arg_USES})
endfunction()

# vantrel_check_includes(TARGET NAME FILES files... [ALLOWED layers...]
#                        [DECLARED layers...] [USES families...])
# runs the include check over files before TARGET is built, as layer NAME.
function(vantrel_check_includes target name)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "FILES;ALLOWED;DECLARED;USES")
  set(stamp ${PROJECT_BINARY_DIR}/layers/${target}.checked)
  list(TRANSFORM arg_FILES PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE paths)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYER=${name} "-DFILES=${arg_FILES}"
            "-DALLOWED=${arg_ALLOWED}" "-DDECLARED=${arg_DECLARED}" "-DUSES=${arg_USES}"
            -DLAYERS_FILE=${PROJECT_BINARY_DIR}/layers/layers.txt
            -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake
    DEPENDS ${paths} ${PROJECT_BINARY_DIR}/layers/layers.txt
            ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Checking the includes of ${target}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# Writes the names of every declared layer, which the check takes for the
# folders whose headers belong to a layer; call after the last one.
function(vantrel_write_layer_names)
  get_property(layers GLOBAL PROPERTY vantrel_layers)
  string(REPLACE ";" "\n" text "${layers}")
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/layers/layers.txt CONTENT "${text}\n")
endfunction()
