# Debian's build flags, as dpkg-buildflags gives them to Debian's own
# packages: the stack protector, _FORTIFY_SOURCE, full RELRO and BINDNOW. The
# build type keeps its optimisation and debug level (dpkg's -O2 -g are
# RelWithDebInfo's), and the sanitizer, coverage and fuzzing builds keep their
# own flags. Source and build folders are mapped to fixed names, so that no
# folder of the build machine reaches a binary and two builds of the same
# sources in different folders make the same bytes.
option(VANTREL_DEBIAN_FLAGS "Debian's build flags from dpkg-buildflags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(VANTREL_DEBIAN_FLAGS AND DPKG_BUILDFLAGS AND
   NOT (VANTREL_SANITIZE OR VANTREL_COVERAGE OR VANTREL_FUZZ))
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # dpkg's own path mapping names the folder it runs in; ours is below.
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env
              "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O|g)")
    foreach(flag IN LISTS flags)
      # The chart's arc-minutes depend on exact floating point.
      if(flag MATCHES "fast-math|^-Ofast|unsafe-math|fp-contract")
        message(FATAL_ERROR "dpkg-buildflags gives ${flag}, which would move the chart's "
                            "positions; unset it or configure with -DVANTREL_DEBIAN_FLAGS=OFF")
      endif()
    endforeach()
    if(kind STREQUAL LDFLAGS)
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
  # GCC takes the last given map that matches first, so the build folder
  # (often inside the sources) is given after the source folder.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
