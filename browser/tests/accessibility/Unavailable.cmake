# What the screen-reader check runs instead when its tools are missing here: it
# fails, unless TAVRELLO_SKIP_SCREEN_READER=1 asks to skip it.
#   cmake -DREASON=... -P Unavailable.cmake
cmake_minimum_required(VERSION 3.25)
if("$ENV{TAVRELLO_SKIP_SCREEN_READER}" STREQUAL "1")
  message("skipped (TAVRELLO_SKIP_SCREEN_READER=1): ${REASON}")
else()
  message(FATAL_ERROR "${REASON} (set TAVRELLO_SKIP_SCREEN_READER=1 to skip the screen-reader check)")
endif()
