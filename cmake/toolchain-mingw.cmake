# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX threads model) and runs
# the built programs under Wine, so `ctest` works in the cross build as in the native one.
#
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLANE_MINGW_TRIPLE}-windres)

# Headers and libraries come from the Windows sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into every program and DLL, so nothing needs a DLL
# beside it but Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Tests run under Wine, in a prefix of their own inside the build folder.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(QUILLANE_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
  find_program(QUILLANE_WINE64 NAMES wine64 wine)
  if(QUILLANE_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR
      "${CMAKE_CURRENT_LIST_DIR}/wine-run;--wine=${QUILLANE_WINE64};--prefix=${CMAKE_BINARY_DIR}/wine-prefix")
  endif()
endif()
