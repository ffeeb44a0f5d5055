# Cross tree: Verbrook.exe (32-bit Windows GUI program, statically linked so
# that it needs only DLLs every Windows has) and the Windows-side tests, run
# under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
set(verbrook_win_flags -Wall -Wextra -Wshadow -Werror=return-type -msse2 -mfpmath=sse)
set(verbrook_win_definitions UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
# scripts/wine-run.sh exits with this when the machine cannot run 32-bit
# programs at all; every test run under Wine counts it as skipped.
set(verbrook_wine_unavailable 77)
set(verbrook_win_libraries comctl32 comdlg32 shell32 ole32 oleaut32 uuid gdi32 user32 advapi32 kernel32)

include(cmake/splash_frames.cmake)
include(cmake/gb18030_tables.cmake)
include(cmake/layers.cmake)
set(verbrook_tree_exclude "_posix\\.cpp$")
set(verbrook_layer_options ${verbrook_win_flags})
set(verbrook_layer_definitions ${verbrook_win_definitions})
set(verbrook_layer_libraries ${verbrook_win_libraries})
set(verbrook_layer_link_options -static -static-libgcc -static-libstdc++)
verbrook_define_layers()
verbrook_test_support(gdiplus)

# Everything the program is made of, for the tests and benchmarks; they
# include from the whole source tree.
add_library(verbrook_core INTERFACE)
target_link_libraries(verbrook_core INTERFACE verbrook_app verbrook_host verbrook_skin)
target_include_directories(verbrook_core INTERFACE ${PROJECT_SOURCE_DIR})

configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_BINARY_DIR}/generated -I${PROJECT_SOURCE_DIR}/resources")
enable_language(RC)

add_executable(Verbrook WIN32 ${PROJECT_SOURCE_DIR}/app/winmain_win.cpp ${PROJECT_SOURCE_DIR}/resources/verbrook.rc)
target_compile_options(Verbrook PRIVATE ${verbrook_win_flags})
target_link_libraries(Verbrook PRIVATE verbrook_app verbrook_host verbrook_skin)
# Sections aligned to whole pages in the file let Wine map them from it, so
# that only the pages used become memory of the process; with the default
# alignment it reads every section, code and data never used included.
target_link_options(Verbrook PRIVATE -municode -mwindows -Wl,--file-alignment,4096)
set_target_properties(Verbrook PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Dumps code page 936's two-byte part as the platform defines it
# (host/services/data/README.md); `make cp936-table` runs it.
add_executable(cp936_table ${PROJECT_SOURCE_DIR}/tools/cp936_table/cp936_table_win.cpp)
target_compile_options(cp936_table PRIVATE ${verbrook_win_flags})
target_link_options(cp936_table PRIVATE -municode -static)

# GoogleTest from the system's sources, built with this toolchain.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One test program per folder under tests/win32, each run as one ctest test.
file(GLOB verbrook_win_test_dirs LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/tests/win32/*)
foreach(dir IN LISTS verbrook_win_test_dirs)
  if(NOT IS_DIRECTORY ${dir})
    continue()
  endif()
  get_filename_component(area ${dir} NAME)
  file(GLOB_RECURSE area_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT area_sources)
    continue()
  endif()
  add_executable(win32_${area}_tests ${area_sources})
  target_include_directories(win32_${area}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/win32)
  target_compile_options(win32_${area}_tests PRIVATE ${verbrook_win_flags})
  target_link_libraries(win32_${area}_tests PRIVATE verbrook_core verbrook_test_support gtest gtest_main)
  add_test(NAME win32_${area} COMMAND win32_${area}_tests)
  set_tests_properties(win32_${area} PROPERTIES TIMEOUT 600 LABELS win32 SKIP_RETURN_CODE ${verbrook_wine_unavailable})
endforeach()

if(EXISTS ${PROJECT_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()

# Benchmark programs: one per file under bench/win32, run by `make bench`.
file(GLOB verbrook_win_benches CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/win32/*.cpp)
foreach(source IN LISTS verbrook_win_benches)
  get_filename_component(name ${source} NAME_WE)
  add_executable(bench_${name} ${source})
  target_compile_options(bench_${name} PRIVATE ${verbrook_win_flags})
  target_link_libraries(bench_${name} PRIVATE verbrook_core)
  # Some start Verbrook and its peers from outside, with the end-to-end driver.
  if(TARGET e2e_driver)
    target_link_libraries(bench_${name} PRIVATE e2e_driver)
    add_dependencies(bench_${name} Verbrook)
  endif()
endforeach()
