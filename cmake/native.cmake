# Native (Linux) tree: every portable source and its unit tests, under
# AddressSanitizer and UndefinedBehaviorSanitizer; tools and benchmarks.
set(verbrook_sanitize -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

include(cmake/splash_frames.cmake)
include(cmake/gb18030_tables.cmake)
include(cmake/layers.cmake)
set(verbrook_tree_exclude "_win\\.cpp$")
set(verbrook_layer_options -Wall -Wextra -Wshadow -Werror=return-type ${verbrook_sanitize})
set(verbrook_layer_link_options ${verbrook_sanitize})
verbrook_define_layers()
verbrook_test_support()

find_package(GTest REQUIRED)
file(GLOB_RECURSE verbrook_native_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
# tests/common: test helpers shared with the Windows tests.
add_executable(native_tests ${verbrook_native_tests} ${PROJECT_SOURCE_DIR}/tests/common/writing_model.cpp)
target_include_directories(native_tests PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/native ${PROJECT_SOURCE_DIR}/tests)
target_compile_options(native_tests PRIVATE ${verbrook_sanitize})
target_link_libraries(native_tests PRIVATE verbrook_app verbrook_runtime verbrook_skin verbrook_test_support
                                           GTest::gtest GTest::gtest_main)
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
  set(verbrook_layer_options -O2)
  set(verbrook_layer_link_options)
  verbrook_layer(base_fast PATHS host/services)
  target_include_directories(verbrook_base_fast PRIVATE ${verbrook_generated_folder})
  add_dependencies(verbrook_base_fast verbrook_gb18030_tables_generated)
  find_package(benchmark REQUIRED)
  foreach(source IN LISTS verbrook_native_benches)
    get_filename_component(name ${source} NAME_WE)
    add_executable(bench_${name} ${source})
    target_compile_options(bench_${name} PRIVATE -O2)
    target_include_directories(bench_${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(bench_${name} PRIVATE verbrook_base_fast benchmark::benchmark)
  endforeach()
endif()
