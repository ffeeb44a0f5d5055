# Native (Linux) tree: every portable source and its unit tests, under
# AddressSanitizer and UndefinedBehaviorSanitizer; tools and benchmarks.
set(verbrook_sanitize -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

set(verbrook_native_sources ${verbrook_all_sources})
list(FILTER verbrook_native_sources EXCLUDE REGEX "_win\\.cpp$")

include(cmake/splash_frames.cmake)

add_library(verbrook_portable STATIC ${verbrook_native_sources} ${verbrook_splash_frames_object})
target_include_directories(verbrook_portable PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(verbrook_portable PRIVATE -Wall -Wextra -Wshadow -Werror=return-type)
target_compile_options(verbrook_portable PUBLIC ${verbrook_sanitize})
target_link_options(verbrook_portable PUBLIC ${verbrook_sanitize})

find_package(GTest REQUIRED)
file(GLOB_RECURSE verbrook_native_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
# tests/common: test helpers shared with the Windows tests.
add_executable(native_tests ${verbrook_native_tests} ${PROJECT_SOURCE_DIR}/tests/common/writing_model.cpp)
target_include_directories(native_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/native ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(native_tests PRIVATE verbrook_portable GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")

if(EXISTS ${PROJECT_SOURCE_DIR}/tools/CMakeLists.txt)
  add_subdirectory(tools)
endif()

# The splash frame tests decode the committed frames with libpng and check
# that the generator still makes exactly those files.
find_package(PNG REQUIRED)
target_link_libraries(native_tests PRIVATE PNG::PNG)
target_compile_definitions(native_tests PRIVATE
  VERBROOK_SPLASH_DIR="${PROJECT_SOURCE_DIR}/assets/splash"
  VERBROOK_SPLASH_GENERATOR="$<TARGET_FILE:verbrook_splash_frames>")
add_dependencies(native_tests verbrook_splash_frames)

# Benchmark programs: one per file under bench/native, built without
# sanitizers and optimised, run by `make bench`.
file(GLOB verbrook_native_benches CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/native/*.cpp)
if(verbrook_native_benches)
  add_library(verbrook_portable_fast STATIC ${verbrook_native_sources} ${verbrook_splash_frames_object})
  target_include_directories(verbrook_portable_fast PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(verbrook_portable_fast PRIVATE -O2)
  find_package(benchmark REQUIRED)
  foreach(source IN LISTS verbrook_native_benches)
    get_filename_component(name ${source} NAME_WE)
    add_executable(bench_${name} ${source})
    target_compile_options(bench_${name} PRIVATE -O2)
    target_link_libraries(bench_${name} PRIVATE verbrook_portable_fast benchmark::benchmark)
  endforeach()
endif()
