# The zip for installer writers: the 32-bit uninstal.exe, its log checker
# uninstal-check.exe, a commented sample log and a text (French and English) on how an
# installer writes the log. Included by
# Win32Build.cmake once UNINSTAL_EXE is known; scripts/package ships the zip.
set(UNINSTAL_ZIP_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(UNINSTAL_ZIP "${CMAKE_BINARY_DIR}/package/uninstal-${PROJECT_VERSION}-win32.zip")
set(uninstal_zip_stage "${CMAKE_BINARY_DIR}/uninstal-zip")
set(UNINSTAL_CHECK_EXE "${CMAKE_BINARY_DIR}/uninstal_win32/bin/uninstal-check.exe")
set(uninstal_zip_files uninstal.exe uninstal-check.exe UNINSTAL.DAT LISEZMOI.TXT)
# Shipped without its debugging sections, whatever the build type.
find_program(UNINST_MINGW_STRIP i686-w64-mingw32-strip REQUIRED)

# Remade at every build, after the cross build (which itself always runs).
add_custom_target(uninstal_zip ALL
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${uninstal_zip_stage}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${uninstal_zip_stage}" "${CMAKE_BINARY_DIR}/package"
  COMMAND "${CMAKE_COMMAND}" -E copy "${UNINSTAL_EXE}" "${UNINSTAL_CHECK_EXE}" "${UNINSTAL_ZIP_DIR}/UNINSTAL.DAT"
          "${UNINSTAL_ZIP_DIR}/LISEZMOI.TXT" "${uninstal_zip_stage}"
  COMMAND "${UNINST_MINGW_STRIP}" "${uninstal_zip_stage}/uninstal.exe" "${uninstal_zip_stage}/uninstal-check.exe"
  COMMAND "${CMAKE_COMMAND}" -E chdir "${uninstal_zip_stage}"
          "${CMAKE_COMMAND}" -E tar cf "${UNINSTAL_ZIP}" --format=zip ${uninstal_zip_files}
  BYPRODUCTS "${UNINSTAL_ZIP}"
  COMMENT "Packing ${UNINSTAL_ZIP}"
  VERBATIM)
add_dependencies(uninstal_zip uninstal_win32)

if(BUILD_TESTING)
  add_test(NAME uninst_zip
    COMMAND "${CMAKE_COMMAND}" "-DZIP=${UNINSTAL_ZIP}" "-DWORK=${CMAKE_BINARY_DIR}/uninstal-zip-check"
            "-DSAMPLE_DIR=${UNINSTAL_ZIP_DIR}" "-DOBJDUMP=${UNINST_MINGW_OBJDUMP}"
            "-DCHECK_PROGRAM=${UNINST_WIN32_SOURCE_DIR}/tests/CheckProgramFile.cmake"
            -P "${UNINSTAL_ZIP_DIR}/CheckZip.cmake")
  set_tests_properties(uninst_zip PROPERTIES LABELS package)
endif()
