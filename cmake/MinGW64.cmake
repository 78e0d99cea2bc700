# Cross-building the core, the command-line tool and the core tests for 64-bit Windows with
# Debian's MinGW-w64 (the POSIX-threads flavour, for std::thread). The programs are linked
# statically, so they run without MinGW's DLLs, under Wine here or on Windows itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The tests run where they are built, through Wine.
find_program(ORNADECK_WINE NAMES wine wine64 wine-stable)
if(ORNADECK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ORNADECK_WINE})
endif()
