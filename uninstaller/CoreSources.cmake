# Sources of the portable core, relative to this folder. Shared by the native build
# (unit tests) and the mingw-w64 build of uninstal.exe.
set(UNINST_CORE_SOURCES
  AnsiText.cpp
  StringList.cpp
  InsFile.cpp
  PathResolution.cpp
  ProtectedKeys.cpp
  SystemFolders.cpp
  ReleaseRecord.cpp
  SharedLibraries.cpp
  ProgressPlacement.cpp
  PacedBar.cpp
  SelfRemoval.cpp
  LogSection.cpp
  RemovalPhases.cpp
  FirstStage.cpp
  Uninstaller.cpp
)
