# Sources of uninstal-check shared by its native and Windows builds, relative to this
# folder; each build adds main.cpp and its TerminalText*.cpp.
set(UNINST_CHECK_SOURCES
  Cp1252.cpp
  DryRunPlatform.cpp
  LogLines.cpp
  LogCheck.cpp
  UnknownRoots.cpp
  WhatStays.cpp
  CheckText.cpp
  CheckJson.cpp
  ProtectedList.cpp
)
