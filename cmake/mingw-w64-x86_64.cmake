# Cross-compiles for 64-bit Windows with Debian's mingw-w64 and runs the results under Wine.
#   cmake -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KITBAG_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX thread model: the win32 one has no std::mutex or std::thread, which GoogleTest uses.
set(CMAKE_C_COMPILER ${KITBAG_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KITBAG_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KITBAG_MINGW_TRIPLE}-windres)
# Resource strings are meant for the ANSI calls: read them as code page 1252.
set(CMAKE_RC_FLAGS_INIT "-c1252")

set(CMAKE_FIND_ROOT_PATH /usr/${KITBAG_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest (and try_run) start the Windows programs through Wine.
get_filename_component(_kitbag_repo "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_kitbag_repo}/tools/wine-run")
unset(_kitbag_repo)
