# Shared by both MinGW-w64 toolchains. The -posix variants are needed:
# the win32 threading variant has no std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${SHEETMILL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SHEETMILL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SHEETMILL_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SHEETMILL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
