# Cross toolchain shared by the 32-bit (i686, the release) and 64-bit
# (x86_64) Windows builds: MinGW-w64 with the posix thread model, which
# GoogleTest's std::mutex needs. The toolchain file names the processor.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SMX_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER   ${SMX_MINGW_PROCESSOR}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${SMX_MINGW_PROCESSOR}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  ${SMX_MINGW_PROCESSOR}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SMX_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static: with the posix thread model a partial static link still
# pulls in libwinpthread-1.dll.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test executables run through Wine under the suite's own display and prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-exec")
