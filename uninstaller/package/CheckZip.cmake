# Checks the uninstaller's zip: exactly its four files, the samples as they are in
# the source tree (byte for byte, so still Windows-1252 with CR LF), an uninstal.exe
# that is the 32-bit Windows GUI program and an uninstal-check.exe that is a 32-bit
# Windows console program.
#   cmake -DZIP=... -DWORK=... -DSAMPLE_DIR=... -DOBJDUMP=... -DCHECK_PROGRAM=... -P CheckZip.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "no zip at ${ZIP}")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${WORK}")

file(GLOB_RECURSE found RELATIVE "${WORK}" "${WORK}/*")
list(SORT found)
if(NOT found STREQUAL "LISEZMOI.TXT;UNINSTAL.DAT;uninstal-check.exe;uninstal.exe")
  message(FATAL_ERROR "the zip holds: ${found}")
endif()

foreach(sample UNINSTAL.DAT LISEZMOI.TXT)
  file(SHA256 "${WORK}/${sample}" packed)
  file(SHA256 "${SAMPLE_DIR}/${sample}" source)
  if(NOT packed STREQUAL source)
    message(FATAL_ERROR "${sample} in the zip differs from ${SAMPLE_DIR}/${sample}")
  endif()
endforeach()

foreach(program uninstal.exe:2 uninstal-check.exe:3)
  string(REPLACE ":" ";" program "${program}")
  list(GET program 0 name)
  list(GET program 1 subsystem)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DOBJDUMP=${OBJDUMP}" "-DPROGRAM=${WORK}/${name}"
                          "-DSUBSYSTEM=${subsystem}" -P "${CHECK_PROGRAM}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name} in the zip is not the expected program")
  endif()
endforeach()
