# The libraries of the Windows build, all linked statically:
#   ZLIB::ZLIB             Debian's zlib for mingw-w64 (libz-mingw-w64-dev)
#   PNG::PNG               libpng, built here from Debian's libpng1.6 source package
#   GTest::gtest(_main)    GoogleTest, built here from Debian's googletest sources
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/pinned_versions.cmake)

set(_quillane_windows_cmake_dir ${CMAKE_CURRENT_LIST_DIR})
set(_quillane_third_party ${CMAKE_BINARY_DIR}/third_party)

# Third-party code is built with our flags but without our warnings.
function(_quillane_quiet_third_party target)
  get_target_property(options ${target} COMPILE_OPTIONS)
  if(NOT options)
    set(options)
  endif()
  list(REMOVE_ITEM options -Werror -Wall -Wextra)
  list(APPEND options -w)
  set_property(TARGET ${target} PROPERTY COMPILE_OPTIONS ${options})
endfunction()

# The version a header declares with `#define MACRO "x.y.z"` (or a bare number).
function(_quillane_header_define header macro out)
  file(STRINGS "${header}" line REGEX "^#define[ \t]+${macro}[ \t]")
  string(REGEX REPLACE "^#define[ \t]+${macro}[ \t]+\"?([^\" \t]*)\"?.*$" "\\1" value "${line}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# --- zlib --------------------------------------------------------------------------------
find_path(QUILLANE_ZLIB_INCLUDE_DIR zlib.h)
find_library(QUILLANE_ZLIB_LIBRARY NAMES libz.a)
if(NOT QUILLANE_ZLIB_INCLUDE_DIR OR NOT QUILLANE_ZLIB_LIBRARY)
  message(FATAL_ERROR "zlib for mingw-w64 is missing: install libz-mingw-w64-dev")
endif()
_quillane_header_define(${QUILLANE_ZLIB_INCLUDE_DIR}/zlib.h ZLIB_VERSION zlib_version)
_quillane_header_define(${QUILLANE_ZLIB_INCLUDE_DIR}/zlib.h ZLIB_VERNUM zlib_vernum)
if(NOT zlib_version VERSION_EQUAL QUILLANE_ZLIB_VERSION)
  message(FATAL_ERROR "zlib for mingw-w64 is ${zlib_version}, not ${QUILLANE_ZLIB_VERSION}")
endif()
add_library(ZLIB::ZLIB STATIC IMPORTED GLOBAL)
set_target_properties(ZLIB::ZLIB PROPERTIES
  IMPORTED_LOCATION ${QUILLANE_ZLIB_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QUILLANE_ZLIB_INCLUDE_DIR})
message(STATUS "zlib ${zlib_version}: ${QUILLANE_ZLIB_LIBRARY}")

# --- libpng ------------------------------------------------------------------------------
set(QUILLANE_LIBPNG_SOURCE_DIR "" CACHE PATH
  "An unpacked libpng source tree to build; empty: fetch Debian's libpng1.6 source package")
if(QUILLANE_LIBPNG_SOURCE_DIR)
  set(_png_source ${QUILLANE_LIBPNG_SOURCE_DIR})
else()
  # Fetched once into the build folder; later runs find it there and fetch nothing.
  set(_png_work ${_quillane_third_party}/libpng)
  set(_png_source ${_png_work}/source)
  execute_process(
    COMMAND bash ${_quillane_windows_cmake_dir}/fetch-libpng-source ${_png_work} ${QUILLANE_LIBPNG_VERSION}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not fetch libpng's source (see the messages above)")
  endif()
endif()
if(NOT EXISTS ${_png_source}/png.h)
  message(FATAL_ERROR "No libpng source in ${_png_source}")
endif()
_quillane_header_define(${_png_source}/png.h PNG_LIBPNG_VER_STRING png_version)
if(NOT png_version STREQUAL QUILLANE_LIBPNG_VERSION)
  message(FATAL_ERROR "The libpng source in ${_png_source} is ${png_version}, not ${QUILLANE_LIBPNG_VERSION}")
endif()
set(_png_revision "")
if(EXISTS ${_png_source}/.debian-version)
  file(READ ${_png_source}/.debian-version _png_revision)
  string(STRIP "${_png_revision}" _png_revision)
  set(_png_revision " (Debian ${_png_revision})")
endif()
message(STATUS "libpng ${png_version}${_png_revision}: ${_png_source}")

# The public headers, with libpng's default configuration told the zlib it is built with
# (as a configured libpng build does, so its check of the zlib headers stays on).
set(_png_include ${_quillane_third_party}/libpng/include)
file(READ ${_png_source}/scripts/pnglibconf.h.prebuilt _png_config)
string(REGEX REPLACE "#define PNG_ZLIB_VERNUM 0 /\\* unknown \\*/"
  "#define PNG_ZLIB_VERNUM ${zlib_vernum}" _png_config "${_png_config}")
file(WRITE ${_png_include}/pnglibconf.h.new "${_png_config}")
configure_file(${_png_include}/pnglibconf.h.new ${_png_include}/pnglibconf.h COPYONLY)
configure_file(${_png_source}/png.h ${_png_include}/png.h COPYONLY)
configure_file(${_png_source}/pngconf.h ${_png_include}/pngconf.h COPYONLY)

# The portable C of the library; no processor-specific filter code is needed for writing.
set(_png_sources png.c pngerror.c pngget.c pngmem.c pngpread.c pngread.c pngrio.c
  pngrtran.c pngrutil.c pngset.c pngtrans.c pngwio.c pngwrite.c pngwtran.c pngwutil.c)
list(TRANSFORM _png_sources PREPEND ${_png_source}/)
add_library(quillane_libpng STATIC ${_png_sources})
target_include_directories(quillane_libpng SYSTEM PUBLIC ${_png_include})
target_include_directories(quillane_libpng PRIVATE ${_png_source})
target_link_libraries(quillane_libpng PUBLIC ZLIB::ZLIB)
_quillane_quiet_third_party(quillane_libpng)
add_library(PNG::PNG ALIAS quillane_libpng)


# --- GoogleTest --------------------------------------------------------------------------
if(QUILLANE_TESTS)
  set(QUILLANE_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
  if(NOT EXISTS ${QUILLANE_GOOGLETEST_DIR}/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are not in ${QUILLANE_GOOGLETEST_DIR}: install googletest")
  endif()
  set(BUILD_SHARED_LIBS OFF)
  set(INSTALL_GTEST OFF)
  add_subdirectory(${QUILLANE_GOOGLETEST_DIR}/googletest ${_quillane_third_party}/googletest
    EXCLUDE_FROM_ALL)
  _quillane_quiet_third_party(gtest)
  _quillane_quiet_third_party(gtest_main)
  # GoogleTest names them itself from 1.11 on.
  foreach(_gtest_target gtest gtest_main)
    if(NOT TARGET GTest::${_gtest_target})
      add_library(GTest::${_gtest_target} ALIAS ${_gtest_target})
    endif()
  endforeach()
endif()
