# Fuzz tree (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer):
# one target per file under fuzz/, each over the portable code that reads
# outside input. `make fuzz` runs each for a bounded time; `make test` runs
# each for a few seconds over its committed corpus.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "the fuzz tree needs clang (libFuzzer)")
endif()

set(verbrook_fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1)

# Only what reads bytes from outside; the program's own texts (GBK literals)
# are not built here, since clang cannot encode literals as GBK. The font
# fields are, for their size arithmetic: their default face is not looked at.
# The splash frame parser's file also reaches the frames linked into the
# program, so they are linked in here too.
include(cmake/splash_frames.cmake)
include(cmake/gb18030_tables.cmake)
add_library(verbrook_fuzzed STATIC
  ${PROJECT_SOURCE_DIR}/host/services/gb18030.cpp
  ${PROJECT_SOURCE_DIR}/host/services/text.cpp
  ${PROJECT_SOURCE_DIR}/host/services/space_count.cpp
  ${PROJECT_SOURCE_DIR}/host/services/convert.cpp
  ${PROJECT_SOURCE_DIR}/host/services/numbers.cpp
  ${PROJECT_SOURCE_DIR}/host/services/date_time.cpp
  ${PROJECT_SOURCE_DIR}/host/services/value.cpp
  ${PROJECT_SOURCE_DIR}/host/services/ini_file.cpp
  ${PROJECT_SOURCE_DIR}/host/services/recovery_copy.cpp
  ${PROJECT_SOURCE_DIR}/host/services/config.cpp
  ${PROJECT_SOURCE_DIR}/host/services/files.cpp
  ${PROJECT_SOURCE_DIR}/host/services/files_posix.cpp
  ${PROJECT_SOURCE_DIR}/host/units/text_positions.cpp
  ${PROJECT_SOURCE_DIR}/host/forms/font_fields.cpp
  ${PROJECT_SOURCE_DIR}/app/splash_frames.cpp
  ${verbrook_splash_frames_object})
target_include_directories(verbrook_fuzzed PUBLIC ${PROJECT_SOURCE_DIR} PRIVATE ${verbrook_generated_folder})
add_dependencies(verbrook_fuzzed verbrook_gb18030_tables_generated)
target_compile_options(verbrook_fuzzed PUBLIC
  $<$<COMPILE_LANGUAGE:CXX>:-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1>)

set(VERBROOK_FUZZ_SECONDS 3 CACHE STRING "seconds each fuzz target runs under ctest")
file(GLOB verbrook_fuzz_targets CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
foreach(source IN LISTS verbrook_fuzz_targets)
  get_filename_component(name ${source} NAME_WE)
  add_executable(fuzz_${name} ${source})
  target_compile_options(fuzz_${name} PRIVATE ${verbrook_fuzz_flags})
  target_link_options(fuzz_${name} PRIVATE ${verbrook_fuzz_flags})
  target_link_libraries(fuzz_${name} PRIVATE verbrook_fuzzed)
  set(work_corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${work_corpus})
  # New inputs go to the build folder's corpus; the committed one is only read.
  add_test(NAME fuzz_${name}
    COMMAND fuzz_${name} -max_total_time=${VERBROOK_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
            -print_final_stats=1 ${work_corpus} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endforeach()
