# Fails unless every DLL that the given Windows programs import is one of Windows' own.
#
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump "-DPROGRAMS=a.exe;b.exe" -P check-system-dlls.cmake
#
# A program that imports, say, libstdc++-6.dll or libpng16.dll would not start on a
# machine where that DLL is not lying beside it.

cmake_minimum_required(VERSION 3.22)

# Lower case; api-ms-win-* and ext-ms-win-* (the API sets) are Windows' own as well.
set(system_dlls
  advapi32.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll d3d11.dll
  dwmapi.dll dwrite.dll dxgi.dll gdi32.dll gdiplus.dll imm32.dll kernel32.dll
  kernelbase.dll msimg32.dll msvcrt.dll ntdll.dll ole32.dll oleaut32.dll opengl32.dll
  rpcrt4.dll secur32.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll ucrtbase.dll
  user32.dll userenv.dll uxtheme.dll version.dll winmm.dll winspool.drv ws2_32.dll)

if(NOT OBJDUMP OR NOT PROGRAMS)
  message(FATAL_ERROR "usage: cmake -DOBJDUMP=... -DPROGRAMS=a.exe;... -P ${CMAKE_SCRIPT_MODE_FILE}")
endif()

set(failed FALSE)
foreach(program IN LISTS PROGRAMS)
  if(NOT EXISTS "${program}")
    message(SEND_ERROR "${program} does not exist")
    set(failed TRUE)
    continue()
  endif()
  execute_process(COMMAND "${OBJDUMP}" -p "${program}"
    OUTPUT_VARIABLE dump ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "${OBJDUMP} -p ${program} failed: ${errors}")
    set(failed TRUE)
    continue()
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
  if(NOT lines)
    # Every Windows program imports at least KERNEL32; no list at all means a wrong dump.
    message(SEND_ERROR "${program}: objdump lists no imported DLL at all")
    set(failed TRUE)
    continue()
  endif()
  set(imported)
  set(foreign)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" lower)
    list(APPEND imported "${dll}")
    if(NOT lower IN_LIST system_dlls AND NOT lower MATCHES "^(api|ext)-ms-win-")
      list(APPEND foreign "${dll}")
    endif()
  endforeach()
  if(foreign)
    foreach(dll IN LISTS foreign)
      message("${program} needs a DLL that is no part of Windows: ${dll}")
    endforeach()
    set(failed TRUE)
  else()
    list(JOIN imported ", " imported_text)
    message(STATUS "${program}: ${imported_text}")
  endif()
endforeach()

if(failed)
  message(FATAL_ERROR "some programs need DLLs that Windows does not have")
endif()
