# Cross build of the same sources for 64-bit Windows, for the Windows tests on
# machines that run 64-bit code only (see the README).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(verbrook_mingw_target x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
