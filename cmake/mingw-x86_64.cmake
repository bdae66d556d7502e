# The same cross build for 64-bit Windows. The product is the 32-bit program; this build
# exists for machines whose kernel cannot run 32-bit code, where Wine can only run
# 64-bit programs and the Windows-side tests use this build instead.
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
