# Cross toolchain: 32-bit Windows executables, the release build.
set(SMX_MINGW_PROCESSOR i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
