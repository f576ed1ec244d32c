# Cross toolchain: 64-bit Windows executables, for running the Windows suites
# where the kernel runs no 32-bit code.
set(SMX_MINGW_PROCESSOR x86_64)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
