# Build step of every layer library: refuses
#  - an include of a header of a layer this one does not build on;
#  - an include of a library's headers (<FL/...>, <nlohmann/...>, ...) that
#    this layer does not declare it uses;
#  - a layer declared on one whose headers none of its files include;
#  - a cycle of includes between this layer's modules (a module is a header
#    and its source together).
# A quoted include's layer is its first folder, when that folder is a layer.
# -DLAYER=name -DFILES=a;b -DALLOWED=layer;... -DDECLARED=layer;...
# -DUSES=family;... -DLAYERS_FILE=<a layer name a line> -DSOURCE_DIR=...
# -DSTAMP=file
cmake_minimum_required(VERSION 3.20)

# Header families of the libraries, by the start of the included name.
set(families FL nlohmann cairo date unicode X11)
set(family_FL "^FL/")
set(family_nlohmann "^nlohmann/")
set(family_cairo "^cairo")
set(family_date "^date/")
set(family_unicode "^unicode/")
set(family_X11 "^X11/")

file(STRINGS "${LAYERS_FILE}" layers)

set(used_layers)
set(modules)
foreach(file IN LISTS FILES)
  string(REGEX REPLACE "\\.(h|cpp)$" "" module "${file}")
  list(APPEND modules "${module}")
  file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      foreach(family IN LISTS families)
        if(header MATCHES "${family_${family}}" AND NOT family IN_LIST USES)
          message(FATAL_ERROR "${file} includes <${header}>, a ${family} header, which "
                              "layer '${LAYER}' does not use")
        endif()
      endforeach()
      continue()
    endif()
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX REPLACE "/.*" "" owner "${header}")
    if(NOT header MATCHES "/" OR NOT owner IN_LIST layers)
      continue()  # generated or third-party headers, the tests' support
    endif()
    if(owner STREQUAL LAYER)
      string(REGEX REPLACE "\\.h$" "" target "${header}")
      if(NOT target STREQUAL module)
        list(APPEND "edges_${module}" "${target}")
      endif()
    elseif(NOT owner IN_LIST ALLOWED)
      message(FATAL_ERROR "${file} includes ${header} of layer '${owner}', "
                          "which layer '${LAYER}' does not build on")
    else()
      list(APPEND used_layers "${owner}")
    endif()
  endforeach()
endforeach()

foreach(lower IN LISTS DECLARED)
  if(NOT lower IN_LIST used_layers)
    message(FATAL_ERROR "layer '${LAYER}' is declared on '${lower}' but includes "
                        "none of its headers")
  endif()
endforeach()

# Modules that include nothing of this layer's left are taken away until
# none is left; what stays includes itself round a cycle.
list(REMOVE_DUPLICATES modules)
set(left ${modules})
set(changed TRUE)
while(changed)
  set(changed FALSE)
  set(still)
  foreach(module IN LISTS left)
    set(waits FALSE)
    foreach(target IN LISTS "edges_${module}")
      if(target IN_LIST left)
        set(waits TRUE)
        break()
      endif()
    endforeach()
    if(waits)
      list(APPEND still "${module}")
    else()
      set(changed TRUE)
    endif()
  endforeach()
  set(left ${still})
endwhile()
if(left)
  message(FATAL_ERROR "layer '${LAYER}': these modules include each other round a "
                      "cycle: ${left}")
endif()
file(TOUCH "${STAMP}")
