# The portable core as one library per layer, each linking only the layers below it, so
# that the link line keeps the floors: platform (the system's interfaces and resource
# IDs), text, progress, log, guards, phases, stages. Includes name the layer
# ("log/InsFile.h") from this folder. Shared by the native build (unit tests, the
# checker), the mingw-w64 build of uninstal.exe and the fuzzing builds.
#
# uninst_add_core(PREFIX) makes the libraries ${PREFIX}_platform ... ${PREFIX}_stages and
# sets ${PREFIX}_CORE_LIBRARIES to the compiled ones, bottom up.
function(uninst_add_core prefix)
  set(dir "${CMAKE_CURRENT_FUNCTION_LIST_DIR}")

  add_library(${prefix}_platform INTERFACE)
  target_include_directories(${prefix}_platform INTERFACE "${dir}")

  set(layers text progress log guards phases stages)
  set(text_sources AnsiText.cpp StringList.cpp PathResolution.cpp)
  set(text_below platform)
  set(progress_sources PacedBar.cpp ProgressPlacement.cpp)
  set(progress_below platform)
  set(log_sources InsFile.cpp LogSection.cpp)
  set(log_below text)
  set(guards_sources PathKinds.cpp FolderGuard.cpp ProtectedKeys.cpp)
  set(guards_below text)
  set(phases_sources RemovalPhases.cpp RegistryEntries.cpp ReleaseRecord.cpp SharedLibraries.cpp)
  set(phases_below log guards progress)
  set(stages_sources FirstStage.cpp SelfCopy.cpp CleanupStage.cpp Uninstaller.cpp)
  set(stages_below phases)

  set(libraries "")
  foreach(layer IN LISTS layers)
    list(TRANSFORM ${layer}_sources PREPEND "${dir}/${layer}/")
    list(TRANSFORM ${layer}_below PREPEND "${prefix}_")
    add_library(${prefix}_${layer} STATIC ${${layer}_sources})
    target_link_libraries(${prefix}_${layer} PUBLIC ${${layer}_below})
    list(APPEND libraries ${prefix}_${layer})
  endforeach()
  set(${prefix}_CORE_LIBRARIES ${libraries} PARENT_SCOPE)
endfunction()
