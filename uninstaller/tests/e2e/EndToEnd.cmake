# End-to-end runs of uninstal.exe under Wine. A small Win32 harness answers the
# program's dialogs inside a private Xvfb display while e2e.py installs a demo
# application into a copy of a shared prefix, runs the uninstaller on it and checks
# the disk, the registry and what the dialogs said.
#
# The harness and the probe library are single C files, compiled here directly with
# the mingw-w64 C compilers for both Windows architectures, so that they match
# whichever uninstal.exe is tested.

set(UNINST_E2E_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(UNINST_E2E_TOOLS "${CMAKE_CURRENT_BINARY_DIR}/e2e-tools")
set(UNINST_E2E_WORK "${CMAKE_CURRENT_BINARY_DIR}/e2e-work")

set(UNINST_E2E_PROGRAM "" CACHE FILEPATH
    "uninstal.exe to run end to end; empty for the one this tree builds")

find_program(UNINST_E2E_CC_win32 i686-w64-mingw32-gcc)
find_program(UNINST_E2E_CC_win64 x86_64-w64-mingw32-gcc)
find_program(UNINST_E2E_PYTHON python3)
find_program(UNINST_E2E_XVFB Xvfb)
find_program(UNINST_E2E_WINESERVER wineserver)

set(_uninst_e2e_outputs "")
foreach(_arch win32 win64)
  set(_cc "${UNINST_E2E_CC_${_arch}}")
  if(NOT _cc)
    continue()
  endif()
  set(_harness "${UNINST_E2E_TOOLS}/dialog_harness-${_arch}.exe")
  set(_probe "${UNINST_E2E_TOOLS}/unreg_probe-${_arch}.dll")
  add_custom_command(
    OUTPUT "${_harness}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${UNINST_E2E_TOOLS}"
    COMMAND "${_cc}" -O2 -Wall -Wextra -Werror -o "${_harness}"
            "${UNINST_E2E_DIR}/harness/dialog_harness.c" -luser32 -lcomctl32
    DEPENDS "${UNINST_E2E_DIR}/harness/dialog_harness.c"
    COMMENT "Cross-compiling the dialog harness (${_arch})"
    VERBATIM)
  add_custom_command(
    OUTPUT "${_probe}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${UNINST_E2E_TOOLS}"
    COMMAND "${_cc}" -O2 -Wall -Wextra -Werror -shared -Wl,--kill-at -o "${_probe}"
            "${UNINST_E2E_DIR}/harness/unreg_probe.c" -ladvapi32
    DEPENDS "${UNINST_E2E_DIR}/harness/unreg_probe.c"
    COMMENT "Cross-compiling the unregistration probe library (${_arch})"
    VERBATIM)
  list(APPEND _uninst_e2e_outputs "${_harness}" "${_probe}")
endforeach()

if(NOT _uninst_e2e_outputs OR NOT UNINST_E2E_PYTHON OR NOT UNINST_E2E_XVFB OR NOT UNINST_E2E_WINESERVER)
  message(STATUS "uninstal end-to-end tests: off (needs mingw-w64, python3, Xvfb and Wine)")
  return()
endif()
add_custom_target(uninst_e2e_tools ALL DEPENDS ${_uninst_e2e_outputs})

# The Win32 build (included before this file) names the uninstal.exe that Wine can run
# on this machine: the 32-bit product, or its 64-bit build where the kernel runs no
# 32-bit code.
set(_program "${UNINST_E2E_PROGRAM}")
if(NOT _program AND UNINST_WINE_ARCH AND UNINST_WINE_BIN_DIR)
  set(_program "${UNINST_WINE_BIN_DIR}/uninstal.exe")
endif()
if(NOT _program)
  message(STATUS "uninstal end-to-end tests: off (no uninstal.exe is built in this tree)")
  return()
endif()

set(_e2e "${UNINST_E2E_PYTHON}" "${UNINST_E2E_DIR}/e2e.py" --uninstaller "${_program}"
    --tools "${UNINST_E2E_TOOLS}" --work "${UNINST_E2E_WORK}")

add_test(NAME uninstal.e2e.prefix COMMAND ${_e2e} prefix)
set_tests_properties(uninstal.e2e.prefix PROPERTIES
  FIXTURES_SETUP uninst_e2e_prefix SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS "uninstaller;e2e")

foreach(_scenario complete partial decline missing_log missing_log_french app_error
                  hostile_name hostile_keys hostile_folders)
  add_test(NAME uninstal.e2e.${_scenario} COMMAND ${_e2e} ${_scenario})
  set_tests_properties(uninstal.e2e.${_scenario} PROPERTIES
    FIXTURES_REQUIRED uninst_e2e_prefix SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS "uninstaller;e2e")
endforeach()
