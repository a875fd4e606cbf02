# Build step of every layer library: refuses a quoted include of a header
# that belongs to a layer this one does not build on.
# -DLAYER=name -DFILES=a;b -DALLOWED=layer;... -DOWNERS_FILE=<header=layer lines>
# -DSOURCE_DIR=... -DSTAMP=file
cmake_minimum_required(VERSION 3.20)
file(STRINGS "${OWNERS_FILE}" pairs)
foreach(pair IN LISTS pairs)
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 header)
  list(GET parts 1 owner)
  set("owner_of_${header}" "${owner}")
endforeach()
foreach(file IN LISTS FILES)
  file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    set(owner "${owner_of_${header}}")
    if(owner STREQUAL "")
      continue()  # generated or third-party headers
    endif()
    if(NOT owner STREQUAL LAYER AND NOT owner IN_LIST ALLOWED)
      message(FATAL_ERROR "${file} includes ${header} of layer '${owner}', "
                          "which layer '${LAYER}' does not build on")
    endif()
  endforeach()
endforeach()
file(TOUCH "${STAMP}")
