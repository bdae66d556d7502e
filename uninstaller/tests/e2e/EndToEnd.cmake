# End-to-end runs of uninstal.exe under Wine. A small Win32 harness answers the
# program's dialogs inside a private Xvfb display while e2e.py installs a demo
# application into a copy of the shared prefix, runs the uninstaller on it and checks
# the disk, the registry and what the dialogs said.
#
# The harness and the probe library come from the cross build (Win32Build.cmake,
# included before this file), built with the uninstal.exe that Wine runs here.

set(UNINST_E2E_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(UNINST_E2E_WORK "${CMAKE_CURRENT_BINARY_DIR}/e2e-work")

set(UNINST_E2E_PROGRAM "" CACHE FILEPATH
    "uninstal.exe to run end to end; empty for the one this tree builds")

if(UNINST_WINE_UNAVAILABLE)
  set(_e2e ${UNINST_WINE_UNAVAILABLE})
else()
  set(_program "${UNINST_E2E_PROGRAM}")
  if(NOT _program)
    set(_program "${UNINST_WINE_BIN_DIR}/uninstal.exe")
  endif()
  set(_e2e "${Python3_EXECUTABLE}" "${UNINST_E2E_DIR}/e2e.py" --uninstaller "${_program}"
      --tools "${UNINST_WINE_BIN_DIR}" --prefix "${UNINST_WINE_BASE_PREFIX}" --work "${UNINST_E2E_WORK}")
endif()

set(_e2e_tests "")
foreach(_scenario complete partial decline missing_log missing_log_french app_error
                  hostile_name hostile_keys hostile_folders short_names planted_copy
                  killed_libraries killed_files killed_links killed_registry killed_end)
  add_test(NAME uninstal.e2e.${_scenario} COMMAND ${_e2e} ${_scenario})
  list(APPEND _e2e_tests uninstal.e2e.${_scenario})
endforeach()

# The harness must tell the icons apart before its transcripts can be trusted.
if(UNINST_WINE_UNAVAILABLE)
  add_test(NAME uninstal.e2e.harness COMMAND ${UNINST_WINE_UNAVAILABLE})
else()
  add_test(NAME uninstal.e2e.harness
    COMMAND "${Python3_EXECUTABLE}" "${UNINST_E2E_DIR}/harness_test.py" --tools "${UNINST_WINE_BIN_DIR}"
            --prefix "${UNINST_WINE_BASE_PREFIX}" --work "${UNINST_E2E_WORK}/harness")
endif()
list(APPEND _e2e_tests uninstal.e2e.harness)
set_tests_properties(${_e2e_tests} PROPERTIES
  FIXTURES_REQUIRED ${UNINST_WINE_FIXTURE} SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS "uninstaller;e2e")

# Only the stand-in's tests may be read as skipped by its line (printed when asked to
# skip): others, the rig's own test among them, can print it while they fail.
if(UNINST_WINE_UNAVAILABLE)
  set_tests_properties(${_e2e_tests} uninst_win32_adapters PROPERTIES
    SKIP_REGULAR_EXPRESSION "skipped \\(TAVRELLO_SKIP_WINE=1\\)")
endif()
