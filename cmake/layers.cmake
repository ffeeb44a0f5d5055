# The program's layers, each a library of its own that links only the layers
# below it. A layer's sources see only the headers of the layers below and
# their own: each library's include path is a folder of links (its "view")
# to those folders and files alone, so that including a header from above, or
# from beside, fails the build with "No such file or directory".
#
#   verbrook_layer(<name> PATHS <folders and files> [USES <layers>]
#                  [SOURCES <more sources>] [EXCLUDE <regex>])
#
# PATHS are relative to the source tree; a folder brings every source under
# it. Sources the tree does not build are left out by the regex in
# verbrook_tree_exclude (the `_win` files natively, the `_posix` ones for
# Windows). Each library compiles with verbrook_layer_options, hands
# verbrook_layer_definitions and verbrook_layer_libraries on to what uses it,
# and links with verbrook_layer_link_options, as the including tree sets
# them. A layer with no source in this tree is an interface library: its
# headers and its uses.
function(verbrook_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "EXCLUDE" "PATHS;USES;SOURCES")
  set(view ${CMAKE_BINARY_DIR}/layers/${name})
  set(sources ${layer_SOURCES})
  foreach(path IN LISTS layer_PATHS)
    set(target ${PROJECT_SOURCE_DIR}/${path})
    if(IS_DIRECTORY ${target})
      file(GLOB_RECURSE found CONFIGURE_DEPENDS ${target}/*.cpp)
    elseif(path MATCHES "\\.cpp$")
      set(found ${target})
    else()
      set(found)
    endif()
    list(APPEND sources ${found})
    get_filename_component(parent ${view}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${view}/${path})
      file(CREATE_LINK ${target} ${view}/${path} SYMBOLIC)
    endif()
  endforeach()
  list(FILTER sources EXCLUDE REGEX "${verbrook_tree_exclude}")
  if(layer_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${layer_EXCLUDE}")
  endif()

  set(uses)
  foreach(use IN LISTS layer_USES)
    list(APPEND uses verbrook_${use})
  endforeach()
  if(sources)
    add_library(verbrook_${name} STATIC ${sources})
    target_include_directories(verbrook_${name} PUBLIC ${view})
    target_compile_options(verbrook_${name} PRIVATE ${verbrook_layer_options})
    target_compile_definitions(verbrook_${name} PUBLIC ${verbrook_layer_definitions})
    target_link_options(verbrook_${name} INTERFACE ${verbrook_layer_link_options})
    target_link_libraries(verbrook_${name} PUBLIC ${uses} ${verbrook_layer_libraries})
  else()
    add_library(verbrook_${name} INTERFACE)
    target_include_directories(verbrook_${name} INTERFACE ${view})
    target_compile_definitions(verbrook_${name} INTERFACE ${verbrook_layer_definitions})
    target_link_libraries(verbrook_${name} INTERFACE ${uses})
  endif()
endfunction()

# What every ring of tests shares (tests/support), built for this tree; its
# headers are included as "support/...".
function(verbrook_test_support)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
  list(FILTER sources EXCLUDE REGEX "${verbrook_tree_exclude}")
  add_library(verbrook_test_support STATIC ${sources})
  target_include_directories(verbrook_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(verbrook_test_support PRIVATE ${verbrook_layer_options})
  target_link_libraries(verbrook_test_support PUBLIC verbrook_base ${ARGN})
endfunction()

# The layers from the ground up. The Windows host's floors (units, runtime,
# host) have no portable sources but a few, which the native tree tests.
macro(verbrook_define_layers)
  verbrook_layer(base PATHS host/services)
  target_include_directories(verbrook_base PRIVATE ${verbrook_generated_folder})
  add_dependencies(verbrook_base verbrook_gb18030_tables_generated)
  verbrook_layer(forms PATHS host/forms host/host_api.h USES base)
  verbrook_layer(units PATHS host/units USES forms)
  verbrook_layer(runtime PATHS host/dispatch USES units)
  verbrook_layer(host PATHS host/unit_services host/win_host_win.h host/win_host_win.cpp USES runtime)
  # What the application sees of the skin layer: its interface alone.
  verbrook_layer(skin_api PATHS skin/skin_api.h)
  verbrook_layer(skin PATHS skin USES base skin_api)
  verbrook_layer(app PATHS app USES forms skin_api SOURCES ${verbrook_splash_frames_object}
                 EXCLUDE "/app/winmain_win\\.cpp$")
endmacro()
