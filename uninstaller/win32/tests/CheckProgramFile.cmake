# Checks a built program without running it: a 32-bit Windows program for the GUI
# subsystem (2, uninstal.exe) or the one given (-DSUBSYSTEM=3: the console), whose
# imports are system libraries only (the C++ runtime is linked in), so that it runs from
# any folder of a bare system.
#   cmake -DOBJDUMP=... -DPROGRAM=... [-DSUBSYSTEM=3] -P CheckProgramFile.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -f -p "${PROGRAM}"
  OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot read ${PROGRAM}")
endif()

if(NOT dump MATCHES "file format pei-i386")
  message(FATAL_ERROR "${PROGRAM} is no 32-bit Windows program")
endif()
if(NOT SUBSYSTEM)
  set(SUBSYSTEM 2)
endif()
if(NOT dump MATCHES "Subsystem[ \t]+0000000${SUBSYSTEM}")
  message(FATAL_ERROR "${PROGRAM} is not built for Windows subsystem ${SUBSYSTEM}")
endif()

set(system_libraries ADVAPI32.DLL COMCTL32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL GDI32.DLL)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(entry IN LISTS imports)
  string(REPLACE "DLL Name: " "" name "${entry}")
  string(TOUPPER "${name}" name)
  if(NOT name IN_LIST system_libraries)
    message(FATAL_ERROR "${PROGRAM} needs ${name}, which a bare system does not have")
  endif()
endforeach()
