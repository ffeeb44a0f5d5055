# What both MinGW-w64 toolchain files share: the posix thread-model compilers
# (the win32 thread-model ones have no std::mutex, which GoogleTest needs) for
# the target named by verbrook_mingw_target.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${verbrook_mingw_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${verbrook_mingw_target}-g++-posix)
set(CMAKE_RC_COMPILER  ${verbrook_mingw_target}-windres)
set(CMAKE_ASM_COMPILER ${verbrook_mingw_target}-gcc-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${verbrook_mingw_target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run under Wine through our runner (virtual display, project-local
# prefix), which picks 32-bit or 64-bit Wine by the program it is given.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
