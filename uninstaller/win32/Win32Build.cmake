# Cross build of uninstal.exe (32-bit, mingw-w64) as an external project of the native
# build, and the Windows-side tests that run under Wine.
#
# For the end-to-end tests (included after this file) it sets:
#   UNINSTAL_EXE             the product, the 32-bit uninstal.exe
#   UNINST_EXE               the uninstal.exe that Wine runs on this machine (the product,
#                            or its 64-bit build where the kernel runs no 32-bit code)
#   UNINST_WINE_RIG          tests/wine-env.sh (its header tells how to use it)
#   UNINST_WINE_BASE_PREFIX  the build tree's base prefix; copy it per scenario
#   UNINST_WINE_FIXTURE      CTest fixture that creates that prefix (FIXTURES_REQUIRED)
#   UNINST_WINE_BIN_DIR      folder with uninstal.exe, the test libraries and helpers built
#                            for the Wine this machine runs (see below)
#   UNINST_WINE_BUILD_TARGET the target that builds that folder
#   UNINST_WINE_ARCH         win32 or win64; empty when Wine cannot run here (no tests)
# The Win32 end-to-end helpers build in the same cross project: when
# tests/e2e/win32/CMakeLists.txt exists it is added there, and its programs land in
# UNINST_WINE_BIN_DIR too.
include(ExternalProject)

set(UNINST_WIN32_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(UNINST_WINE_RIG "${UNINST_WIN32_SOURCE_DIR}/tests/wine-env.sh")
set(UNINST_WINE_BASE_PREFIX "${CMAKE_BINARY_DIR}/wine/base")
set(UNINST_WINE_FIXTURE uninst_wine_prefix)

find_program(UNINST_MINGW_I686 i686-w64-mingw32-g++-posix)
if(NOT UNINST_MINGW_I686)
  message(WARNING "mingw-w64 not found: uninstal.exe and its Windows-side tests are not built "
                  "(scripts/setup installs it)")
  set(UNINST_WINE_ARCH "")
  return()
endif()

if(CMAKE_BUILD_TYPE)
  set(uninst_cross_build_type "${CMAKE_BUILD_TYPE}")
else()
  set(uninst_cross_build_type RelWithDebInfo)
endif()

# One cross build per target architecture; BUILD_ALWAYS so that every source edit is seen.
function(uninst_add_cross_build name toolchain with_tests)
  ExternalProject_Add(${name}
    SOURCE_DIR "${UNINST_WIN32_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/${name}"
    CMAKE_ARGS
      "-DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/${toolchain}"
      "-DCMAKE_BUILD_TYPE=${uninst_cross_build_type}"
      "-DUNINST_WIN32_TESTS=${with_tests}"
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON
  )
endfunction()

# Which Wine runs here. A kernel without 32-bit support cannot run Wine's 32-bit loader;
# there the Windows-side tests run the same sources built for 64-bit Windows.
execute_process(COMMAND "${UNINST_WINE_RIG}" arch
  OUTPUT_VARIABLE UNINST_WINE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE uninst_wine_arch_result ERROR_QUIET)
if(NOT uninst_wine_arch_result EQUAL 0)
  set(UNINST_WINE_ARCH "")
endif()

# The product, with its tests where they can run.
if(UNINST_WINE_ARCH STREQUAL "win32")
  uninst_add_cross_build(uninstal_win32 mingw-i686.cmake ON)
else()
  uninst_add_cross_build(uninstal_win32 mingw-i686.cmake OFF)
endif()
set(UNINSTAL_EXE "${CMAKE_BINARY_DIR}/uninstal_win32/bin/uninstal.exe")
set(UNINST_EXE "${UNINSTAL_EXE}")

find_program(UNINST_MINGW_OBJDUMP i686-w64-mingw32-objdump)
add_test(NAME uninst_program_file
  COMMAND "${CMAKE_COMMAND}" "-DOBJDUMP=${UNINST_MINGW_OBJDUMP}" "-DPROGRAM=${UNINSTAL_EXE}"
          -P "${UNINST_WIN32_SOURCE_DIR}/tests/CheckProgramFile.cmake")

# The zip that ships uninstal.exe to installer writers.
include("${UNINST_WIN32_SOURCE_DIR}/../package/Zip.cmake")

if(UNINST_WINE_ARCH STREQUAL "")
  message(WARNING "Wine cannot run here: the Windows-side tests are not registered")
  return()
elseif(UNINST_WINE_ARCH STREQUAL "win64")
  message(STATUS "uninstal: this kernel runs no 32-bit code; Wine tests use a 64-bit build")
  uninst_add_cross_build(uninstal_win64 mingw-x86_64.cmake ON)
  set(UNINST_WINE_BUILD_TARGET uninstal_win64)
else()
  set(UNINST_WINE_BUILD_TARGET uninstal_win32)
endif()
set(UNINST_WINE_BIN_DIR "${CMAKE_BINARY_DIR}/${UNINST_WINE_BUILD_TARGET}/bin")
set(UNINST_EXE "${UNINST_WINE_BIN_DIR}/uninstal.exe")

add_test(NAME uninst_wine_prefix COMMAND "${UNINST_WINE_RIG}" create "${UNINST_WINE_BASE_PREFIX}")
set_tests_properties(uninst_wine_prefix PROPERTIES
  FIXTURES_SETUP ${UNINST_WINE_FIXTURE}
  RESOURCE_LOCK uninst_wine_base
  TIMEOUT 180)

add_test(NAME uninst_win32_adapters
  COMMAND "${UNINST_WINE_RIG}" fresh-run "${UNINST_WINE_BASE_PREFIX}"
          "${CMAKE_BINARY_DIR}/wine/adapters" "${UNINST_WINE_BIN_DIR}/win32_adapter_tests.exe")
set_tests_properties(uninst_win32_adapters PROPERTIES
  FIXTURES_REQUIRED ${UNINST_WINE_FIXTURE}
  RESOURCE_LOCK uninst_wine_adapters
  TIMEOUT 300)
