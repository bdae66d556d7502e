# Cross build of the Windows programs with mingw-w64, as external projects of the native
# build: the one route by which uninstal.exe, its Windows-side tests, the end-to-end
# helpers (dialog harness, probe library) and the benchmark's bare remover are built.
# Also registers the Windows-side tests, which run under Wine through the rig
# (tests/e2e/winerig.py).
#
# A Wine test that cannot be built or run here fails; it is skipped only when the
# environment variable TAVRELLO_SKIP_WINE is 1 (see the README).
#
# For the end-to-end tests (included after this file) it sets:
#   UNINSTAL_EXE             the product, the 32-bit uninstal.exe
#   UNINST_WINE_ARCH         the architecture whose programs Wine runs here, as the rig
#                            decides: win32, or win64 where the kernel runs no 32-bit code
#                            (the tests then use the 64-bit build of the same sources)
#   UNINST_WINE_BIN_DIR      uninstal.exe, the tests and the helpers built for that
#                            architecture
#   UNINST_WINE_RIG          the command that runs the rig
#   UNINST_WINE_BASE_PREFIX  the build tree's base prefix; each test runs in a copy
#   UNINST_WINE_FIXTURE      CTest fixture that makes that prefix (FIXTURES_REQUIRED)
#   UNINST_WINE_UNAVAILABLE  empty, or the command a Wine test runs instead when nothing
#                            can be built for it here (it fails, or skips as asked)
# and writes wine-programs.json (architecture and programs folder) into its build folder
# for the demo and benchmark scripts.
include(ExternalProject)
find_package(Python3 COMPONENTS Interpreter)

set(UNINST_WIN32_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(UNINST_WINE_RIG "${Python3_EXECUTABLE}" "${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/winerig.py")
set(UNINST_WINE_BASE_PREFIX "${CMAKE_BINARY_DIR}/wine/base")
set(UNINST_WINE_FIXTURE uninst_wine_prefix)
set(UNINST_WINE_UNAVAILABLE "")

if(Python3_Interpreter_FOUND AND BUILD_TESTING)
  add_test(NAME uninst_wine_rig COMMAND "${Python3_EXECUTABLE}" "${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/winerig_test.py")
endif()

find_program(UNINST_MINGW_I686 i686-w64-mingw32-g++-posix)
if(NOT UNINST_MINGW_I686)
  set(uninst_missing "mingw-w64 is not installed (scripts/setup installs it)")
elseif(NOT Python3_Interpreter_FOUND)
  set(uninst_missing "python3 is not installed (scripts/setup installs it)")
endif()
if(uninst_missing)
  message(WARNING "uninstal: ${uninst_missing}; the Wine tests will fail")
  set(UNINST_WINE_UNAVAILABLE "${CMAKE_COMMAND}" "-DREASON=${uninst_missing}"
      -P "${UNINST_WIN32_SOURCE_DIR}/tests/WineUnavailable.cmake" --)
  if(BUILD_TESTING)
    add_test(NAME uninst_win32_adapters COMMAND ${UNINST_WINE_UNAVAILABLE})
  endif()
  return()
endif()

if(CMAKE_BUILD_TYPE)
  set(uninst_cross_build_type "${CMAKE_BUILD_TYPE}")
else()
  set(uninst_cross_build_type RelWithDebInfo)
endif()

# One cross build per target architecture; BUILD_ALWAYS so that every source edit is seen.
function(uninst_add_cross_build name toolchain with_tests)
  set(launchers "")
  foreach(lang C CXX)
    if(CMAKE_${lang}_COMPILER_LAUNCHER)
      list(APPEND launchers "-DCMAKE_${lang}_COMPILER_LAUNCHER=${CMAKE_${lang}_COMPILER_LAUNCHER}")
    endif()
  endforeach()
  ExternalProject_Add(${name}
    SOURCE_DIR "${UNINST_WIN32_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/${name}"
    CMAKE_ARGS
      "-DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/${toolchain}"
      "-DCMAKE_BUILD_TYPE=${uninst_cross_build_type}"
      "-DUNINST_WIN32_TESTS=${with_tests}"
      "-DTAVRELLO_WERROR=${TAVRELLO_WERROR}"
      ${launchers}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON
  )
endfunction()

if(NOT BUILD_TESTING)
  # The product and its zip alone: nothing here runs under Wine.
  uninst_add_cross_build(uninstal_win32 mingw-i686.cmake OFF)
  set(UNINSTAL_EXE "${CMAKE_BINARY_DIR}/uninstal_win32/bin/uninstal.exe")
  include("${UNINST_WIN32_SOURCE_DIR}/../package/Zip.cmake")
  return()
endif()

# The one place that decides which Wine runs here is the rig. When Wine runs nothing, the
# programs are built for the product's architecture and the tests fail when they run.
execute_process(COMMAND ${UNINST_WINE_RIG} arch
  OUTPUT_VARIABLE UNINST_WINE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE uninst_wine_arch_result ERROR_VARIABLE uninst_wine_arch_error)
if(NOT uninst_wine_arch_result EQUAL 0)
  message(WARNING "uninstal: ${uninst_wine_arch_error}; the Wine tests will fail")
  set(UNINST_WINE_ARCH win32)
endif()
if(UNINST_WINE_ARCH STREQUAL "win64")
  message(STATUS "uninstal: this kernel runs no 32-bit code; Wine tests use a 64-bit build")
endif()

# The product, with the tests and helpers where Wine runs it.
if(UNINST_WINE_ARCH STREQUAL "win32")
  uninst_add_cross_build(uninstal_win32 mingw-i686.cmake ON)
  set(UNINST_WINE_BUILD_TARGET uninstal_win32)
else()
  uninst_add_cross_build(uninstal_win32 mingw-i686.cmake OFF)
  uninst_add_cross_build(uninstal_win64 mingw-x86_64.cmake ON)
  set(UNINST_WINE_BUILD_TARGET uninstal_win64)
endif()
set(UNINSTAL_EXE "${CMAKE_BINARY_DIR}/uninstal_win32/bin/uninstal.exe")
set(UNINST_WINE_BIN_DIR "${CMAKE_BINARY_DIR}/${UNINST_WINE_BUILD_TARGET}/bin")

# What the demo and the benchmark build and run: `cmake --build ... --target uninst_wine_programs`.
add_custom_target(uninst_wine_programs DEPENDS uninstal_win32 ${UNINST_WINE_BUILD_TARGET})
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/wine-programs.json"
  "{\"arch\": \"${UNINST_WINE_ARCH}\", \"bin\": \"${UNINST_WINE_BIN_DIR}\"}\n")

find_program(UNINST_MINGW_OBJDUMP i686-w64-mingw32-objdump)
add_test(NAME uninst_program_file
  COMMAND "${CMAKE_COMMAND}" "-DOBJDUMP=${UNINST_MINGW_OBJDUMP}" "-DPROGRAM=${UNINSTAL_EXE}"
          -P "${UNINST_WIN32_SOURCE_DIR}/tests/CheckProgramFile.cmake")

# The zip that ships uninstal.exe to installer writers.
include("${UNINST_WIN32_SOURCE_DIR}/../package/Zip.cmake")

add_test(NAME uninst_wine_prefix
  COMMAND ${UNINST_WINE_RIG} create --arch ${UNINST_WINE_ARCH} "${UNINST_WINE_BASE_PREFIX}")
set_tests_properties(uninst_wine_prefix PROPERTIES
  FIXTURES_SETUP ${UNINST_WINE_FIXTURE}
  RESOURCE_LOCK uninst_wine_base
  SKIP_RETURN_CODE 77
  TIMEOUT 300)

add_test(NAME uninst_win32_adapters
  COMMAND ${UNINST_WINE_RIG} gtest "${UNINST_WINE_BASE_PREFIX}" "${CMAKE_BINARY_DIR}/wine/adapters"
          "${UNINST_WINE_BIN_DIR}/win32_adapter_tests.exe")
set_tests_properties(uninst_win32_adapters PROPERTIES
  FIXTURES_REQUIRED ${UNINST_WINE_FIXTURE}
  SKIP_RETURN_CODE 77
  TIMEOUT 300)
