# The GB18030 codec's tables (host/services/gb18030.cpp), generated at build
# time by tools/gb18030_tables, built with the build machine's own compiler
# and run there: code page 936's two-byte part from the platform's dump in
# host/services/data, the four-byte forms from the build machine's iconv.
# Sets verbrook_gb18030_tables (the generated file) and
# verbrook_generated_folder (where it lands).
find_program(VERBROOK_BUILD_MACHINE_CXX NAMES g++ c++ REQUIRED)
set(verbrook_generated_folder ${CMAKE_BINARY_DIR}/generated)
set(verbrook_gb18030_tables ${verbrook_generated_folder}/gb18030_tables.inc)
set(generator_source ${PROJECT_SOURCE_DIR}/tools/gb18030_tables/gb18030_tables.cpp)
set(generator ${CMAKE_BINARY_DIR}/tools/gb18030_tables)
set(two_bytes ${PROJECT_SOURCE_DIR}/host/services/data/cp936_two_bytes.bin)
add_custom_command(OUTPUT ${generator}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
  COMMAND ${VERBROOK_BUILD_MACHINE_CXX} -std=c++20 -O2 -Wall -Wextra -Werror -o ${generator} ${generator_source}
  DEPENDS ${generator_source}
  COMMENT "Building the GB18030 table generator for the build machine")
add_custom_command(OUTPUT ${verbrook_gb18030_tables}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${verbrook_generated_folder}
  COMMAND ${generator} ${two_bytes} ${verbrook_gb18030_tables}
  DEPENDS ${generator} ${two_bytes}
  COMMENT "Generating the GB18030 codec's tables")
# One target makes them, for every library that compiles the codec.
add_custom_target(verbrook_gb18030_tables_generated DEPENDS ${verbrook_gb18030_tables})
