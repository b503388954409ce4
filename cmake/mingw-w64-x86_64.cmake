# Cross-building the engine, kalder-theme and the engine tests for 64-bit
# Windows with Debian's MinGW-w64 (packages g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix flavour of the compiler, because its C++ library has the whole
# thread support; everything is linked statically so the .exe files run alone
# (under Wine too) without MinGW's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KALDER_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${KALDER_MINGW_PREFIX}-g++-posix ${KALDER_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${KALDER_MINGW_PREFIX}-gcc-posix ${KALDER_MINGW_PREFIX}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${KALDER_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KALDER_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
