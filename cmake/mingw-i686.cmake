# Cross build for 32-bit Windows with Debian's mingw-w64 (i686-w64-mingw32).
# Everything is linked statically so that the programs need no DLL besides the system's.
# MINGW_TRIPLET may be preset (cmake/mingw-x86_64.cmake does) to reuse this file.
if(NOT DEFINED MINGW_TRIPLET)
  set(MINGW_TRIPLET i686-w64-mingw32)
endif()

set(CMAKE_SYSTEM_NAME Windows)
if(MINGW_TRIPLET MATCHES "^x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()

# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks here.
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
