# Tests of uninstal-check as a program: natively, and its Windows build under Wine.
# Included after Win32Build.cmake, which sets the UNINST_WINE_* variables.
set(UNINST_CHECK_TESTS_DIR "${CMAKE_CURRENT_LIST_DIR}")

add_test(NAME uninstal_check.cli
  COMMAND "${Python3_EXECUTABLE}" "${UNINST_CHECK_TESTS_DIR}/check_cli.py" $<TARGET_FILE:uninstal-check> "${PROJECT_VERSION}"
          "${UNINST_CHECK_TESTS_DIR}/EVERYLINE.DAT" "${UNINST_CHECK_TESTS_DIR}/MISTAKES.DAT"
          "${CMAKE_CURRENT_LIST_DIR}/../../package/UNINSTAL.DAT"
          "${CMAKE_CURRENT_BINARY_DIR}/check-cli")
set_tests_properties(uninstal_check.cli PROPERTIES LABELS uninstaller TIMEOUT 60)

if(UNINST_WINE_UNAVAILABLE)
  add_test(NAME uninstal_check.wine COMMAND ${UNINST_WINE_UNAVAILABLE})
  set_tests_properties(uninstal_check.wine PROPERTIES SKIP_REGULAR_EXPRESSION "skipped \\(TAVRELLO_SKIP_WINE=1\\)")
else()
  add_test(NAME uninstal_check.wine
    COMMAND "${Python3_EXECUTABLE}" "${UNINST_CHECK_TESTS_DIR}/same_on_windows.py" $<TARGET_FILE:uninstal-check>
            "${UNINST_WINE_BIN_DIR}/uninstal-check.exe" "${UNINST_CHECK_TESTS_DIR}/EVERYLINE.DAT"
            "${UNINST_WINE_BASE_PREFIX}" "${CMAKE_CURRENT_BINARY_DIR}/check-wine")
endif()
set_tests_properties(uninstal_check.wine PROPERTIES
  FIXTURES_REQUIRED ${UNINST_WINE_FIXTURE} SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS "uninstaller;e2e")
