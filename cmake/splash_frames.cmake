# The 28 splash frames are embedded as byte-array records back to back:
# {u32 1, u32 length, PNG bytes}, in showing order, between the symbols
# verbrook_splash_frames and verbrook_splash_frames_end.
enable_language(ASM)

file(GLOB verbrook_splash_pngs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/splash/frame-*.png)
list(SORT verbrook_splash_pngs)

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  # C names carry a leading underscore on 32-bit Windows only.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(symbol_prefix "_")
  else()
    set(symbol_prefix "")
  endif()
  set(section ".section .rdata,\"dr\"")
  set(stack_note "")
else()
  set(symbol_prefix "")
  set(section ".section .rodata")
  set(stack_note ".section .note.GNU-stack,\"\",@progbits\n")
endif()

set(asm "${section}\n.globl ${symbol_prefix}verbrook_splash_frames\n${symbol_prefix}verbrook_splash_frames:\n")
set(index 0)
foreach(png IN LISTS verbrook_splash_pngs)
  math(EXPR index "${index} + 1")
  string(APPEND asm "  .long 1\n  .long .Lframe_end_${index} - .Lframe_begin_${index}\n"
                    ".Lframe_begin_${index}:\n  .incbin \"${png}\"\n.Lframe_end_${index}:\n")
endforeach()
string(APPEND asm ".globl ${symbol_prefix}verbrook_splash_frames_end\n${symbol_prefix}verbrook_splash_frames_end:\n${stack_note}")

set(verbrook_splash_frames_object ${CMAKE_BINARY_DIR}/splash_frames.S)
file(CONFIGURE OUTPUT ${verbrook_splash_frames_object} CONTENT "${asm}")
set_source_files_properties(${verbrook_splash_frames_object} PROPERTIES OBJECT_DEPENDS "${verbrook_splash_pngs}")
