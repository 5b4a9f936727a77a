# What both MinGW-w64 toolchains share; toolPrefix names the target triple.
# The posix thread model is not needed: the win32 flavour keeps the
# executable free of the winpthread DLL.
find_program(CMAKE_C_COMPILER NAMES ${toolPrefix}-gcc-win32 ${toolPrefix}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${toolPrefix}-g++-win32 ${toolPrefix}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${toolPrefix}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${toolPrefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
