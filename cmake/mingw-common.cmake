# What both MinGW-w64 toolchains share; toolPrefix names the target triple.
# The posix thread model gives the standard library its std::mutex, which
# GoogleTest needs; static linking keeps winpthread out of the DLL list.
find_program(CMAKE_C_COMPILER NAMES ${toolPrefix}-gcc-posix ${toolPrefix}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${toolPrefix}-g++-posix ${toolPrefix}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${toolPrefix}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${toolPrefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
