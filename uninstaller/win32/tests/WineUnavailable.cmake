# What a Wine test runs instead when nothing can be built for it on this machine: it
# fails, unless TAVRELLO_SKIP_WINE=1 asks to skip the Wine tests.
#   cmake -DREASON=... -P WineUnavailable.cmake
cmake_minimum_required(VERSION 3.25)
if("$ENV{TAVRELLO_SKIP_WINE}" STREQUAL "1")
  message("skipped (TAVRELLO_SKIP_WINE=1): ${REASON}")
else()
  message(FATAL_ERROR "${REASON} (set TAVRELLO_SKIP_WINE=1 to skip the Wine tests)")
endif()
